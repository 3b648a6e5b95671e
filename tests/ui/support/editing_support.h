#pragma once

// Shared pieces of the editing tests: prompts whose dialog runs are scripted by actions that
// fill the dialog the way a user would and close it.

#include "gui_test_support.h"
#include "ui/testing/scripted_prompts.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

namespace tarnlink::testing {

class DialogPrompts : public ScriptedPrompts {
public:
    using Action = std::function<int(QDialog&)>;

    DialogPrompts()
    {
        onUnexpected = [](const QString& what) { ADD_FAILURE() << "unscripted prompt: " << what.toStdString(); };
    }
    DialogPrompts& dialog(Action action)
    {
        actions_.push_back(std::move(action));
        return *this;
    }
    bool dialogsDone() const { return actions_.empty(); }
    QStringList dialogs; // object names of the dialogs run, in order

    int runDialog(QDialog& dialog) override
    {
        dialogs << dialog.objectName();
        if (actions_.empty()) {
            ADD_FAILURE() << "unscripted dialog " << dialog.objectName().toStdString();
            return QDialog::Rejected;
        }
        Action action = std::move(actions_.front());
        actions_.pop_front();
        return action(dialog);
    }

private:
    std::deque<Action> actions_;
};

// Closes the dialog as it is.
inline int accept(QDialog&) { return QDialog::Accepted; }
inline int cancel(QDialog&) { return QDialog::Rejected; }

} // namespace tarnlink::testing
