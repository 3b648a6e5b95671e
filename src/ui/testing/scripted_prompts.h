#pragma once

// A Prompts implementation for tests: answers from a script, in order, and records every
// question. A prompt that finds no scripted answer fails the test (through the handler) and
// answers as a user pressing Cancel would.

#include "ui/kit/prompts.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <variant>

namespace tarnlink::testing {

class ScriptedPrompts : public Prompts {
public:
    // One scripted reply: an answer to ask, a file or folder name (empty = cancelled), or a
    // dialog result.
    using Reply = std::variant<Answer, QString, int>;

    ScriptedPrompts& reply(Reply r)
    {
        replies_.push_back(std::move(r));
        return *this;
    }
    bool exhausted() const { return replies_.empty(); }

    // Everything shown, as "kind: text" lines, e.g. "ask: Save file?", "error: Stream read error".
    const QStringList& log() const { return log_; }
    QStringList take()
    {
        QStringList l = log_;
        log_.clear();
        return l;
    }
    const FileDialogOptions& lastFileDialog() const { return lastFileDialog_; }

    // Called for a prompt without a scripted reply; tests install a failing assertion.
    std::function<void(const QString&)> onUnexpected;

    Answer ask(const QString& text, AskButtons buttons) override;
    void warn(const QString& text) override { log_ << QStringLiteral("warn: ") + text; }
    void error(const QString& text) override { log_ << QStringLiteral("error: ") + text; }
    void inform(const QString& title, const QString& text) override { log_ << QStringLiteral("inform: ") + title; }
    void acknowledge(const QString& text) override { log_ << QStringLiteral("acknowledge: ") + text; }
    QString openFileName(const FileDialogOptions& request) override;
    QString saveFileName(const FileDialogOptions& request) override;
    QString chooseFolder(const QString& title, const QString& start) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    int runDialog(QDialog& dialog) override;

private:
    template <typename T>
    T next(const QString& what, T fallback);

    std::deque<Reply> replies_;
    QStringList log_;
    FileDialogOptions lastFileDialog_;
};

} // namespace tarnlink::testing
