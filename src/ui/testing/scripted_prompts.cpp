#include "ui/testing/scripted_prompts.h"

#include <QDialog>

namespace tarnlink::testing {

template <typename T>
T ScriptedPrompts::next(const QString& what, T fallback)
{
    if (!replies_.empty() && std::holds_alternative<T>(replies_.front())) {
        T value = std::get<T>(replies_.front());
        replies_.pop_front();
        return value;
    }
    if (onUnexpected)
        onUnexpected(what);
    return fallback;
}

Answer ScriptedPrompts::ask(const QString& text, AskButtons buttons)
{
    log_ << QStringLiteral("ask: ") + text;
    return next<Answer>(text, buttons == AskButtons::YesNoCancel ? Answer::Cancel : Answer::No);
}

QString ScriptedPrompts::openFileName(const FileDialogOptions& request)
{
    lastFileDialog_ = request;
    log_ << QStringLiteral("open: ") + request.title;
    return next<QString>(request.title, QString());
}

QString ScriptedPrompts::saveFileName(const FileDialogOptions& request)
{
    lastFileDialog_ = request;
    log_ << QStringLiteral("save: ") + request.title;
    return next<QString>(request.title, QString());
}

QString ScriptedPrompts::chooseFolder(const QString& title, const QString& start)
{
    log_ << QStringLiteral("folder: ") + title;
    return next<QString>(title, QString());
}

std::optional<QFont> ScriptedPrompts::chooseFont(const QFont& initial)
{
    log_ << QStringLiteral("font");
    return next<int>(QStringLiteral("font"), 0) ? std::optional<QFont>(initial) : std::nullopt;
}

std::optional<QColor> ScriptedPrompts::chooseColor(const QColor& initial)
{
    log_ << QStringLiteral("colour");
    return next<int>(QStringLiteral("colour"), 0) ? std::optional<QColor>(initial) : std::nullopt;
}

int ScriptedPrompts::runDialog(QDialog& dialog)
{
    log_ << QStringLiteral("dialog: ") + dialog.objectName();
    return next<int>(dialog.objectName(), QDialog::Rejected);
}

} // namespace tarnlink::testing
