#pragma once

// The folder password dialog: the current password, and the new one typed twice.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tarnlink {

class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode {
        Set,    // a folder without a password: the current password is unusable
        Change, // a protected folder: every editor is usable
        Prove,  // opening a protected folder: only the current password is usable
    };

    TPasswordDlg(Mode mode, bool passwordStars, QWidget* parent = nullptr);

    QLineEdit* EditPasCur() const { return editPasCur_; }
    QLineEdit* EditPasNew() const { return editPasNew_; }
    QLineEdit* EditPasNew2() const { return editPasNew2_; }
    QPushButton* BtnOk() const { return btnOk_; }
    QPushButton* BtnCancle() const { return btnCancle_; }

private:
    QLineEdit* editPasCur_;
    QLineEdit* editPasNew_;
    QLineEdit* editPasNew2_;
    QPushButton* btnOk_;
    QPushButton* btnCancle_;
};

} // namespace tarnlink
