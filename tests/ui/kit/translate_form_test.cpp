#include "settings/language_table.h"
#include "ui/kit/translate_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace tarnlink;

namespace {

// A window with every kind of control that carries texts.
struct TestWindow {
    QMainWindow window;
    QAction* open = nullptr;
    QAction* derived = nullptr;
    QMenu* fileMenu = nullptr;
    QMenu* buttonMenu = nullptr;
    QToolButton* toolButton = nullptr;
    QLabel* label = nullptr;
    QPushButton* button = nullptr;
    QCheckBox* check = nullptr;
    QRadioButton* radio = nullptr;
    QGroupBox* group = nullptr;
    QTabWidget* tabs = nullptr;
    QListWidget* list = nullptr;
    QComboBox* combo = nullptr;
    QComboBox* dataCombo = nullptr;
    QTreeWidget* tree = nullptr;
    QTableWidget* table = nullptr;
    QLineEdit* edit = nullptr;
    QPlainTextEdit* memo = nullptr;
    QDialog* ownDialog = nullptr;
    QSystemTrayIcon* tray = nullptr;

    TestWindow()
    {
        window.setWindowTitle("Title");
        fileMenu = window.menuBar()->addMenu("&File");
        open = fileMenu->addAction("&Open...");
        open->setToolTip("Open tip");
        open->setStatusTip("Open status");
        QMenu* recent = fileMenu->addMenu("&Recent");
        recent->addAction("Shared"); // a translation that is itself a source text
        derived = fileMenu->addAction("&Save");

        QToolBar* bar = window.addToolBar("Toolbar");
        bar->addAction(open); // the same action again
        toolButton = new QToolButton;
        toolButton->setDefaultAction(derived);
        bar->addWidget(toolButton);

        auto* central = new QWidget;
        central->setToolTip("Central tip");
        auto* layout = new QVBoxLayout(central);
        label = new QLabel("Label");
        button = new QPushButton("&Button");
        buttonMenu = new QMenu(&window);
        buttonMenu->addAction("Menu item");
        buttonMenu->addAction(open);
        button->setMenu(buttonMenu);
        check = new QCheckBox("Check");
        radio = new QRadioButton("Radio");
        group = new QGroupBox("Group");
        tabs = new QTabWidget;
        tabs->addTab(new QWidget, "Tab one");
        tabs->addTab(new QWidget, "Tab two");
        tabs->setTabToolTip(1, "Tab tip");
        list = new QListWidget;
        list->addItems({"Item one", "Item two"});
        combo = new QComboBox;
        combo->addItems({"Choice one", "Choice two"});
        dataCombo = new QComboBox;
        dataCombo->addItems({"Item one"});
        dataCombo->setProperty(kUntranslatedProperty, true);
        tree = new QTreeWidget;
        tree->setHeaderLabels({"Name", "Link 1"});
        table = new QTableWidget(1, 2);
        table->setHorizontalHeaderLabels({"Column A", "Column B"});
        edit = new QLineEdit("Label"); // data: its text stays
        edit->setPlaceholderText("Placeholder");
        memo = new QPlainTextEdit("Label");
        for (QWidget* w : std::initializer_list<QWidget*>{label, button, check, radio, group, tabs, list,
                                                          combo, dataCombo, tree, table, edit, memo})
            layout->addWidget(w);
        window.setCentralWidget(central);

        ownDialog = new QDialog(&window);
        ownDialog->setWindowTitle("Title");
        new QLabel("Label", ownDialog);

        tray = new QSystemTrayIcon(&window);
        tray->setToolTip("Tarnlink");
        auto* trayMenu = new QMenu(&window);
        trayMenu->addAction("Tray item");
        tray->setContextMenu(trayMenu);
    }
};

ZIREdozudurOdozed german()
{
    ZIREdozudurOdozed table;
    table.loadLines({"Title=Titel", "&File=&Datei", "&Open...=Ö&ffnen...", "Open tip=Öffnen-Tipp",
                     "Open status=Öffnen-Status", "&Recent=&Zuletzt", "Shared=Twice", "Twice=Thrice",
                     "&Save=&Speichern", "Toolbar=Leiste", "Leiste=Twice", "Central tip=Mitte", "Label=Beschriftung",
                     "&Button=&Knopf", "Menu item=Menüpunkt", "Check=Haken", "Radio=Funk", "Group=Gruppe",
                     "Tab one=Reiter eins", "Tab two=Reiter zwei", "Tab tip=Reiter-Tipp",
                     "Item one=Eintrag eins", "Item two=Eintrag zwei", "Choice one=Wahl eins",
                     "Choice two=Wahl zwei", "Name=Name", "Link 1=Verweis 1", "Column A=Spalte A",
                     "Column B=Spalte B", "Placeholder=Platzhalter", "Tarnlink=Tarnlink DE",
                     "Tray item=Ablage"});
    return table;
}

} // namespace

TEST(TranslateForm, TranslatesEveryKindOfControlOnce)
{
    TestWindow w;
    const ZIREdozudurOdozed table = german();
    TranslateForm(&w.window, table);

    EXPECT_EQ(w.window.windowTitle(), "Titel");
    EXPECT_EQ(w.fileMenu->title(), "&Datei");
    EXPECT_EQ(w.open->text(), QString::fromUtf8("Ö&ffnen..."));
    EXPECT_EQ(w.open->toolTip(), QString::fromUtf8("Öffnen-Tipp"));
    EXPECT_EQ(w.open->statusTip(), QString::fromUtf8("Öffnen-Status"));
    const QList<QAction*> fileActions = w.fileMenu->actions();
    EXPECT_EQ(fileActions[1]->text(), "&Zuletzt");
    EXPECT_EQ(fileActions[1]->menu()->actions()[0]->text(), "Twice"); // translated once only
    EXPECT_EQ(w.derived->text(), "&Speichern");
    EXPECT_EQ(w.derived->toolTip(), "Speichern"); // still derived from the text
    EXPECT_EQ(w.toolButton->text(), "Speichern"); // the button follows its action
    EXPECT_EQ(w.window.findChild<QToolBar*>()->windowTitle(), "Leiste");
    EXPECT_EQ(w.window.findChild<QToolBar*>()->toggleViewAction()->text(), "Leiste"); // follows the title
    EXPECT_EQ(w.window.centralWidget()->toolTip(), "Mitte");
    EXPECT_EQ(w.label->text(), "Beschriftung");
    EXPECT_EQ(w.button->text(), "&Knopf");
    EXPECT_EQ(w.buttonMenu->actions()[0]->text(), QString::fromUtf8("Menüpunkt"));
    EXPECT_EQ(w.check->text(), "Haken");
    EXPECT_EQ(w.radio->text(), "Funk");
    EXPECT_EQ(w.group->title(), "Gruppe");
    EXPECT_EQ(w.tabs->tabText(0), "Reiter eins");
    EXPECT_EQ(w.tabs->tabText(1), "Reiter zwei");
    EXPECT_EQ(w.tabs->tabToolTip(1), "Reiter-Tipp");
    EXPECT_EQ(w.list->item(1)->text(), "Eintrag zwei");
    EXPECT_EQ(w.combo->itemText(0), "Wahl eins");
    EXPECT_EQ(w.dataCombo->itemText(0), "Item one"); // marked as data
    EXPECT_EQ(w.tree->headerItem()->text(1), "Verweis 1");
    EXPECT_EQ(w.table->horizontalHeaderItem(1)->text(), "Spalte B");
    EXPECT_EQ(w.edit->placeholderText(), "Platzhalter");
    EXPECT_EQ(w.edit->text(), "Label");                 // contents are data
    EXPECT_EQ(w.memo->toPlainText(), "Label");
    EXPECT_EQ(w.ownDialog->windowTitle(), "Title");     // translates itself
    EXPECT_EQ(w.tray->toolTip(), "Tarnlink DE");
    EXPECT_EQ(w.tray->contextMenu()->actions()[0]->text(), "Ablage");
}

TEST(TranslateForm, OneLineTableTranslatesNoWindow)
{
    TestWindow w;
    ZIREdozudurOdozed table;
    table.loadLines({"Title=Titel"});
    TranslateForm(&w.window, table);
    EXPECT_EQ(w.window.windowTitle(), "Title");
    EXPECT_EQ(table.Translate("Title"), "Titel");
}

TEST(TranslateForm, ReversedTableBringsEveryTextBack)
{
    TestWindow w;
    const QStringList english = WindowTexts(&w.window);
    ZIREdozudurOdozed table = german();
    TranslateForm(&w.window, table);
    EXPECT_NE(WindowTexts(&w.window), english);
    table.ReverseTable();
    TranslateForm(&w.window, table);
    EXPECT_EQ(WindowTexts(&w.window), english);
}

TEST(TranslateForm, ReferenceCyclesEndAndEachTextIsSeenOnce)
{
    QWidget window;
    auto* menu = new QMenu(&window);
    QAction* action = menu->addAction("Loop");
    action->setMenu(menu); // the action leads to the menu that holds it
    window.addAction(action);
    auto* other = new QMenu(&window);
    other->addAction(action);
    EXPECT_EQ(WindowTexts(&window).count("Loop"), 1);
}
