#include "ui/kit/editor_state.h"

#include "model/description.h"
#include "platform/codepage.h"
#include "ui/kit/translate.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

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
