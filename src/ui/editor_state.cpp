#include "editor_state.h"

#include "model/description.h"
#include "platform/codepage.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <vector>

namespace tarnlink {

void SetEditorUsable(QWidget* editor, bool usable)
{
    editor->setEnabled(usable);
    QPalette palette = editor->palette();
    const QPalette standard = QApplication::palette(editor);
    const QColor colour = usable ? standard.color(QPalette::Active, QPalette::Base)
                                 : standard.color(QPalette::Active, QPalette::Button);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    editor->setPalette(palette);
}

void SetPasswordMask(QLineEdit* editor, bool stars)
{
    editor->setEchoMode(stars ? QLineEdit::Password : QLineEdit::Normal);
    editor->setStyleSheet(stars ? QStringLiteral("QLineEdit { lineedit-password-character: 42; }") : QString());
}

QStringList EditorLines(const QPlainTextEdit& editor)
{
    const QString text = editor.toPlainText();
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    return lines;
}

void SetEditorLines(QPlainTextEdit& editor, const QStringList& lines)
{
    editor.setPlainText(lines.join(QLatin1Char('\n')));
    editor.moveCursor(QTextCursor::Start);
    editor.verticalScrollBar()->setValue(0);
}

std::string DescriptionFromLines(const QStringList& lines)
{
    std::vector<std::string> bytes;
    bytes.reserve(size_t(lines.size()));
    for (const QString& line : lines)
        bytes.push_back(codepage::fromDisplay(line));
    return EncodeDescription(bytes);
}

QStringList LinesFromDescription(const std::string& stored)
{
    QStringList lines;
    for (const std::string& line : DecodeDescription(stored))
        lines << codepage::toDisplay(line);
    return lines;
}

} // namespace tarnlink
