#pragma once

// Every message box, common dialog and modal run of our own dialogs goes through this seam, so
// commands can be driven headless by a scripted implementation in tests.

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

namespace tarnlink {

enum class Answer { Yes, No, Cancel, Ok };

enum class AskButtons { YesNo, YesNoCancel };

struct FileDialogOptions {
    QString title;
    QString filter;      // Qt form, e.g. "Tarnlink list *.tlk (*.tlk)"
    QString folder;      // where the dialog starts; empty for the current folder
    QString defaultSuffix;
};

class Prompts {
public:
    virtual ~Prompts() = default;

    virtual Answer ask(const QString& text, AskButtons buttons) = 0;
    virtual void warn(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    virtual void inform(const QString& title, const QString& text) = 0;
    // A message with only an OK button, marked as a question rather than a warning.
    virtual void acknowledge(const QString& text) = 0;
    // Empty when cancelled. The open dialog accepts only existing files; the save dialog asks
    // before overwriting.
    virtual QString openFileName(const FileDialogOptions& request) = 0;
    virtual QString saveFileName(const FileDialogOptions& request) = 0;
    virtual QString chooseFolder(const QString& title, const QString& start) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    // Runs one of our own dialogs modally; returns its QDialog::DialogCode.
    virtual int runDialog(QDialog& dialog) = 0;
};

// The real dialogs, parented to a window.
class WidgetPrompts : public Prompts {
public:
    explicit WidgetPrompts(QWidget* parent) : parent_(parent) {}

    Answer ask(const QString& text, AskButtons buttons) override;
    void warn(const QString& text) override;
    void error(const QString& text) override;
    void inform(const QString& title, const QString& text) override;
    void acknowledge(const QString& text) override;
    QString openFileName(const FileDialogOptions& request) override;
    QString saveFileName(const FileDialogOptions& request) override;
    QString chooseFolder(const QString& title, const QString& start) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    int runDialog(QDialog& dialog) override;

private:
    QWidget* parent_;
};

} // namespace tarnlink
