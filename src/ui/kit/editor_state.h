#pragma once

// Small helpers the editing windows share: usable or unusable editors with their colours, the
// password mask, and the conversion between an editor's lines and a node's description.

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string>

class QBoxLayout;
class QDialog;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tarnlink {

// Usable editors show the window colour; unusable ones the inactive-border colour.
void SetEditorUsable(QWidget* editor, bool usable);
// "*" for every character, or the plain text.
void SetPasswordMask(QLineEdit* editor, bool stars);

// The editor's lines as a text list does them: a final line break does not start a line.
QStringList EditorLines(const QPlainTextEdit& editor);
// Shows the lines so that EditorLines gives them back, an empty last line included.
void SetEditorLines(QPlainTextEdit& editor, const QStringList& lines);
// The dialog's BtnOk and BtnCancle, right-aligned in a row at the end of layout, closing it with
// accept and reject. Neither is a default button: Enter is handled per editor.
struct OkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelButtons AddOkCancelRow(QDialog& dialog, QBoxLayout& layout, const QString& okCaption);
// A group box with its (translated) caption holding the widgets one above the other.
QGroupBox* StackedGroup(const char* caption, std::initializer_list<QWidget*> widgets);

// A multi-line editor never shorter than that many lines of its font.
void SetMinimumLines(QPlainTextEdit& editor, int lines);
// The width a window needs to show its whole title in the title bar: the title in the bold face
// title bars use, beside the window's icon and buttons.
int TitleBarWidth(const QWidget& window);

// A description encoded from lines, and decoded into lines.
std::string DescriptionFromLines(const QStringList& lines);
QStringList LinesFromDescription(const std::string& stored);

} // namespace tarnlink
