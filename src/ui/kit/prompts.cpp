#include "ui/kit/prompts.h"

#include "ui/kit/translate.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace tarnlink {

namespace {
QString title()
{
    return QApplication::applicationDisplayName();
}

QString runFileDialog(QWidget* parent, const FileDialogOptions& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

Answer WidgetPrompts::ask(const QString& text, AskButtons buttons)
{
    auto standard = QMessageBox::Yes | QMessageBox::No;
    if (buttons == AskButtons::YesNoCancel)
        standard |= QMessageBox::Cancel;
    switch (QMessageBox::question(parent_, title(), text, standard)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == AskButtons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

void WidgetPrompts::warn(const QString& text)
{
    QMessageBox::warning(parent_, title(), text);
}

void WidgetPrompts::error(const QString& text)
{
    QMessageBox::critical(parent_, title(), text);
}

void WidgetPrompts::inform(const QString& caption, const QString& text)
{
    QMessageBox::about(parent_, caption, text);
}

void WidgetPrompts::acknowledge(const QString& text)
{
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Ok, parent_);
    box.exec();
}

QString WidgetPrompts::openFileName(const FileDialogOptions& request)
{
    return runFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

QString WidgetPrompts::saveFileName(const FileDialogOptions& request)
{
    return runFileDialog(parent_, request, QFileDialog::AcceptSave);
}

QString WidgetPrompts::chooseFolder(const QString& caption, const QString& start)
{
    return QFileDialog::getExistingDirectory(parent_, caption, start);
}

std::optional<QFont> WidgetPrompts::chooseFont(const QFont& initial)
{
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, initial, parent_);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

std::optional<QColor> WidgetPrompts::chooseColor(const QColor& initial)
{
    QColor color = QColorDialog::getColor(initial, parent_);
    return color.isValid() ? std::optional<QColor>(color) : std::nullopt;
}

int WidgetPrompts::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace tarnlink
