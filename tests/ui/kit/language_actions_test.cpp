#include "settings/language_menu.h"
#include "ui/kit/language_actions.h"
#include "ui/kit/translate_form.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(LanguageActions, OneRadioItemPerLanguage)
{
    QTemporaryDir dir;
    for (const char* name : {"R&D.lng", "german.lng", "English.lng", "Greek.lng"})
        writeFile(dir.filePath(name), "a=b\nc=d\n");
    const LanguageMenu languages(dir.path(), "German"); // no exact match: nothing checked
    QMenu menu;
    QStringList chosen;
    FillLanguageMenu(&menu, languages, [&](const QString& name) { chosen << name; });

    QStringList captions;
    for (QAction* item : menu.actions()) {
        captions << item->text();
        EXPECT_TRUE(item->isCheckable());
        EXPECT_FALSE(item->isChecked());
    }
    EXPECT_EQ(captions, QStringList({"English", "german", "Greek", "R&&D"}));
    // Names that share their first letter are each reachable.
    menu.actions()[1]->trigger();
    menu.actions()[2]->trigger();
    menu.actions()[3]->trigger();
    EXPECT_EQ(chosen, QStringList({"german", "Greek", "R&D"}));
    EXPECT_TRUE(menu.actions()[3]->isChecked());
    EXPECT_FALSE(menu.actions()[2]->isChecked());

    QMenu empty;
    FillLanguageMenu(&empty, LanguageMenu(dir.filePath("none"), "English"), [](const QString&) {});
    EXPECT_TRUE(empty.actions().isEmpty());
}

TEST(LanguageActions, SwitchingAndBackRestoresEveryCaption)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("English.lng"), "&File=&File\n&Open=&Open\nTitle=Title\nDialog=Dialog\nOK=OK\n");
    writeFile(dir.filePath("German.lng"), "&File=&Datei\n&Open=Ö&ffnen\nTitle=Titel\nDialog=Dialogfenster\nOK=Gut\n");
    writeFile(dir.filePath("French.lng"), "&File=&Fichier\nTitle=Titre\nOK=D'accord\n"); // incomplete

    QMainWindow main;
    main.setWindowTitle("Title");
    QMenu* file = main.menuBar()->addMenu("&File");
    file->addAction("&Open");
    QMenu* languageMenu = main.menuBar()->addMenu("&Language");
    QDialog longLived(&main);
    longLived.setWindowTitle("Dialog");
    new QPushButton("OK", &longLived);
    const QStringList mainEnglish = WindowTexts(&main);
    const QStringList dialogEnglish = WindowTexts(&longLived);

    LanguageMenu languages(dir.path(), "German");
    ZIREdozudurOdozed table;
    int refreshes = 0;
    LanguageSwitchWindows windows({&main, &longLived}, [&] { ++refreshes; });
    QString stored = "German";
    FillLanguageMenu(languageMenu, languages, [&](const QString& name) {
        languages.choose(name, stored, table, windows);
    });
    ASSERT_TRUE(languages.loadAtStart(stored, table));
    windows.translateWindows(table);
    EXPECT_EQ(file->title(), "&Datei");
    EXPECT_EQ(longLived.windowTitle(), "Dialogfenster");

    const auto item = [&](const QString& name) {
        for (QAction* a : languageMenu->actions())
            if (a->data().toString() == name)
                return a;
        return static_cast<QAction*>(nullptr);
    };
    EXPECT_EQ(item("German")->text(), "German"); // names stay as they are
    EXPECT_TRUE(item("German")->isChecked());
    item("French")->trigger();
    EXPECT_EQ(stored, "French");
    EXPECT_EQ(file->title(), "&Fichier");
    EXPECT_EQ(file->actions()[0]->text(), "&Open"); // no French line: back in English
    EXPECT_EQ(longLived.findChild<QPushButton*>()->text(), "D'accord");

    item("English")->trigger();
    EXPECT_EQ(WindowTexts(&main), mainEnglish);
    EXPECT_EQ(WindowTexts(&longLived), dialogEnglish);
    EXPECT_EQ(refreshes, 2);
}
