#pragma once

// The search dialog: the text, the fields searched, the start point and the direction.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarnlink {

struct FindTextSection;

class TFormFind : public QDialog {
    Q_OBJECT
public:
    explicit TFormFind(QWidget* parent = nullptr);

    // The controls from the remembered choices, and back.
    void fill(const FindTextSection& state);
    void store(FindTextSection& state) const;

    QLineEdit* EditFindText() const { return editFindText_; }
    QCheckBox* CheckFAll() const { return checkFAll_; }
    QCheckBox* CheckFName() const { return checkFName_; }
    QCheckBox* CheckFSol() const { return checkFSol_; }
    QCheckBox* CheckFURL() const { return checkFURL_; }
    QCheckBox* CheckFLogin() const { return checkFLogin_; }
    QCheckBox* CheckFPas() const { return checkFPas_; }
    QRadioButton* RadioBtnBegin() const { return radioBtnBegin_; }
    QRadioButton* RadioBtnSelect() const { return radioBtnSelect_; }
    QRadioButton* RadioBtnNext() const { return radioBtnNext_; }
    QRadioButton* RadioBtnPrev() const { return radioBtnPrev_; }
    QPushButton* BtnOk() const { return btnOk_; }
    QPushButton* BtnCancle() const { return btnCancle_; }

private:
    QLineEdit* editFindText_;
    QCheckBox* checkFAll_;
    QCheckBox* checkFName_;
    QCheckBox* checkFSol_;
    QCheckBox* checkFURL_;
    QCheckBox* checkFLogin_;
    QCheckBox* checkFPas_;
    QRadioButton* radioBtnBegin_;
    QRadioButton* radioBtnSelect_;
    QRadioButton* radioBtnNext_;
    QRadioButton* radioBtnPrev_;
    QPushButton* btnOk_;
    QPushButton* btnCancle_;
};

} // namespace tarnlink
