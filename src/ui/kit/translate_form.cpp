#include "ui/kit/translate_form.h"

#include "settings/language_table.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <QTreeWidget>

#include <vector>

namespace tarnlink {

namespace {

// The tool tip or icon text Qt derives from an action's text when none was set.
QString derivedFromText(QString text)
{
    text.remove(QLatin1String("..."));
    text.remove(u'&');
    return text.trimmed();
}

class TextWalk {
public:
    explicit TextWalk(const std::function<QString(const QString&)>& visit) : visit_(visit) {}

    void run(QWidget* root)
    {
        root_ = root;
        push(root);
        while (!stack_.empty()) {
            QObject* object = stack_.back();
            stack_.pop_back();
            if (object->property(kUntranslatedProperty).toBool())
                continue;
            translate(object);
            const QObjectList& children = object->children();
            for (auto child = children.rbegin(); child != children.rend(); ++child)
                if (!isOtherWindow(*child))
                    push(*child);
        }
    }

private:
    void push(QObject* object)
    {
        if (object && !seen_.contains(object)) {
            seen_.insert(object);
            stack_.push_back(object);
        }
    }

    bool isOtherWindow(QObject* object) const
    {
        const auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget == root_)
            return false;
        const Qt::WindowType type = widget->windowType();
        return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet;
    }

    // Replaces a text by what the visitor makes of it; setters run only for a change, so
    // texts Qt derives by itself keep following their source.
    template <class Get, class Set> void text(Get get, Set set)
    {
        const QString old = get();
        if (old.isEmpty())
            return;
        const QString now = visit_(old);
        if (now != old)
            set(now);
    }

    void translate(QObject* object)
    {
        if (auto* action = qobject_cast<QAction*>(object))
            return translateAction(action);
        if (auto* tray = qobject_cast<QSystemTrayIcon*>(object)) {
            text([&] { return tray->toolTip(); }, [&](const QString& t) { tray->setToolTip(t); });
            push(tray->contextMenu());
            return;
        }
        if (auto* widget = qobject_cast<QWidget*>(object))
            translateWidget(widget);
    }

    void translateAction(QAction* action)
    {
        // Tip and icon text first: when Qt derives them from the text they are left alone.
        if (action->toolTip() != derivedFromText(action->text()))
            text([&] { return action->toolTip(); }, [&](const QString& t) { action->setToolTip(t); });
        if (action->iconText() != derivedFromText(action->text()))
            text([&] { return action->iconText(); }, [&](const QString& t) { action->setIconText(t); });
        text([&] { return action->text(); }, [&](const QString& t) { action->setText(t); });
        text([&] { return action->statusTip(); }, [&](const QString& t) { action->setStatusTip(t); });
        text([&] { return action->whatsThis(); }, [&](const QString& t) { action->setWhatsThis(t); });
        push(action->menu());
    }

    void translateWidget(QWidget* w)
    {
        if (!qobject_cast<QMenu*>(w)) // a menu's title is the text of its menu action
            text([&] { return w->windowTitle(); }, [&](const QString& t) { w->setWindowTitle(t); });
        const auto* toolButton = qobject_cast<QToolButton*>(w);
        const bool followsAction = toolButton && toolButton->defaultAction();
        if (!followsAction) {
            text([&] { return w->toolTip(); }, [&](const QString& t) { w->setToolTip(t); });
            text([&] { return w->statusTip(); }, [&](const QString& t) { w->setStatusTip(t); });
        }
        text([&] { return w->whatsThis(); }, [&](const QString& t) { w->setWhatsThis(t); });
        for (QAction* action : w->actions())
            push(action);
        // These actions take their text from the window title on their own.
        if (auto* bar = qobject_cast<QToolBar*>(w))
            seen_.insert(bar->toggleViewAction());
        else if (auto* dock = qobject_cast<QDockWidget*>(w))
            seen_.insert(dock->toggleViewAction());

        if (auto* menu = qobject_cast<QMenu*>(w)) {
            push(menu->menuAction());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (!followsAction)
                text([&] { return button->text(); }, [&](const QString& t) { button->setText(t); });
            if (auto* pushButton = qobject_cast<QPushButton*>(w))
                push(pushButton->menu());
            if (toolButton)
                push(toolButton->menu());
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            text([&] { return label->text(); }, [&](const QString& t) { label->setText(t); });
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            text([&] { return group->title(); }, [&](const QString& t) { group->setTitle(t); });
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            translateTabs(tabs);
        } else if (auto* box = qobject_cast<QToolBox*>(w)) {
            for (int i = 0; i < box->count(); ++i) {
                text([&] { return box->itemText(i); }, [&](const QString& t) { box->setItemText(i, t); });
                text([&] { return box->itemToolTip(i); }, [&](const QString& t) { box->setItemToolTip(i, t); });
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                text([&] { return combo->itemText(i); }, [&](const QString& t) { combo->setItemText(i, t); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            text([&] { return edit->placeholderText(); }, [&](const QString& t) { edit->setPlaceholderText(t); });
        } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
            text([&] { return spin->specialValueText(); }, [&](const QString& t) { spin->setSpecialValueText(t); });
        }
        translateItems(w);
    }

    void translateTabs(QTabBar* tabs)
    {
        for (int i = 0; i < tabs->count(); ++i) {
            text([&] { return tabs->tabText(i); }, [&](const QString& t) { tabs->setTabText(i, t); });
            text([&] { return tabs->tabToolTip(i); }, [&](const QString& t) { tabs->setTabToolTip(i, t); });
            text([&] { return tabs->tabWhatsThis(i); }, [&](const QString& t) { tabs->setTabWhatsThis(i, t); });
        }
    }

    // Items of list boxes and the column captions of tree and table widgets.
    void translateItems(QWidget* w)
    {
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                QListWidgetItem* it = list->item(i);
                text([&] { return it->text(); }, [&](const QString& t) { it->setText(t); });
                text([&] { return it->toolTip(); }, [&](const QString& t) { it->setToolTip(t); });
                text([&] { return it->statusTip(); }, [&](const QString& t) { it->setStatusTip(t); });
            }
        } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            QTreeWidgetItem* header = tree->headerItem();
            for (int c = 0; c < tree->columnCount(); ++c) {
                text([&] { return header->text(c); }, [&](const QString& t) { header->setText(c, t); });
                text([&] { return header->toolTip(c); }, [&](const QString& t) { header->setToolTip(c, t); });
            }
        } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
            const auto header = [this](QTableWidgetItem* it) {
                if (it)
                    text([&] { return it->text(); }, [&](const QString& t) { it->setText(t); });
            };
            for (int c = 0; c < table->columnCount(); ++c)
                header(table->horizontalHeaderItem(c));
            for (int r = 0; r < table->rowCount(); ++r)
                header(table->verticalHeaderItem(r));
        }
    }

    const std::function<QString(const QString&)>& visit_;
    QWidget* root_ = nullptr;
    QSet<const QObject*> seen_;
    std::vector<QObject*> stack_;
};

} // namespace

void VisitWindowTexts(QWidget* window, const std::function<QString(const QString&)>& visit)
{
    if (window)
        TextWalk(visit).run(window);
}

void TranslateForm(QWidget* window, const ZIREdozudurOdozed& table)
{
    if (table.translatesWindows())
        VisitWindowTexts(window, [&table](const QString& text) { return table.Translate(text); });
}

QStringList WindowTexts(QWidget* window)
{
    QStringList texts;
    VisitWindowTexts(window, [&texts](const QString& text) {
        texts.append(text);
        return text;
    });
    return texts;
}

} // namespace tarnlink
