#include "ui/kit/editor_state.h"

#include "model/description.h"
#include "platform/codepage.h"
#include "ui/kit/translate.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

#include <vector>

namespace tarnlink {

OkCancelButtons AddOkCancelRow(QDialog& dialog, QBoxLayout& layout, const QString& okCaption)
{
    OkCancelButtons buttons{new QPushButton(okCaption), new QPushButton(Translate("&Cancel"))};
    buttons.ok->setObjectName(QStringLiteral("BtnOk"));
    buttons.cancel->setObjectName(QStringLiteral("BtnCancle"));
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : {buttons.ok, buttons.cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        row->addWidget(button);
    }
    layout.addLayout(row);
    QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return buttons;
}

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

QGroupBox* StackedGroup(const char* caption, std::initializer_list<QWidget*> widgets)
{
    auto* group = new QGroupBox(Translate(caption));
    auto* layout = new QVBoxLayout(group);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    return group;
}

void SetEditorLines(QPlainTextEdit& editor, const QStringList& lines)
{
    // A final line break starts no line (EditorLines), so an empty last line needs one of its own.
    QString text = lines.join(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        text += QLatin1Char('\n');
    editor.setPlainText(text);
    editor.moveCursor(QTextCursor::Start);
    editor.verticalScrollBar()->setValue(0);
}

void SetMinimumLines(QPlainTextEdit& editor, int lines)
{
    const int margins = 2 * (editor.frameWidth() + int(editor.document()->documentMargin()));
    editor.setMinimumHeight(lines * editor.fontMetrics().lineSpacing() + margins);
}

int TitleBarWidth(const QWidget& window)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // The window's icon and up to five buttons, each about a line high with a little room.
    const int iconAndButtons = 6 * (metrics.height() + 6);
    return metrics.horizontalAdvance(window.windowTitle()) + iconAndButtons;
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
