#pragma once

// The "Launch link" dialog: one field for an address typed by hand. The Link menu launches what
// is typed; the Favorites menu launches the first favorite whose name contains it.

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;

namespace tarnlink {

class Prompts;
class ZIREdozudurOdozed;

class TFormLaunch : public QDialog {
    Q_OBJECT
public:
    // caption: the menu caption that opened the dialog; it loses its "&" and ".".
    TFormLaunch(const QString& caption, QWidget* parent = nullptr);

    QLineEdit* Edit1() const { return edit_; }
    QPushButton* BtnOk() const { return ok_; }

    // Runs a new dialog, translated; the text typed, or nothing when cancelled.
    static std::optional<QString> ask(Prompts& prompts, const QString& caption, const ZIREdozudurOdozed& language,
                                      QWidget* parent);

private:
    QLineEdit* edit_;
    QPushButton* ok_;
};

} // namespace tarnlink
