#pragma once

// The add dialog: a new link or folder, and the properties of an existing one. It is created
// once and reused; every caller overwrites the fields it needs.

#include "model/password_generator.h"
#include "ui/kit/prompts_source.h"

#include <QColor>
#include <QDialog>
#include <QRect>
#include <QStringList>

#include <random>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace tarnlink {

class FolderCombo;
class Prompts;
class TfcTreeNodes;

class TFormAdd : public QDialog {
    Q_OBJECT
public:
    // bounds and rating come from AddWLeft, AddWTop, AddWWidth, AddWHeight and LinkColor.
    TFormAdd(PromptsSource prompts, const QRect& bounds, int rating, QWidget* parent = nullptr);

    // What is written back at exit.
    QRect bounds() const { return geometry(); }
    int rating() const;
    void setRating(int rating); // the bar's colour stays
    // SBtnDown has tag 0 and SBtnUp tag 1: minus and plus one, recolouring the bar.
    void stepRating(int tag);
    QColor ratingColor() const;

    void setPasswordStars(bool stars);
    void setPasswordOptions(const PasswordCharsets& sets, int length);
    // BtnSecur: a generated password into EditPas2.
    void BtnSecurClick();
    // SpeedButton1: a JPEG chosen through the open dialog into EditPicPath.
    void SpeedButton1Click();

    // Empties every text field.
    void clearFields();
    // EditUrl2, EditUrl2a, EditLogin2 and EditPas2 usable in the window colour, or unusable in
    // the inactive-border colour.
    void setLinkFieldsUsable(bool usable);
    QStringList descriptionLines() const;
    void setDescriptionLines(const QStringList& lines);
    // Fills the folder picker from the tree.
    void rebuildFolders(TfcTreeNodes& tree);

    QLineEdit* EditName2() const { return editName2_; }
    QLineEdit* EditUrl2() const { return editUrl2_; }
    QLineEdit* EditUrl2a() const { return editUrl2a_; }
    QPlainTextEdit* Memo2() const { return memo2_; }
    FolderCombo* TreeCombo() const { return treeCombo_; }
    QLineEdit* EditLogin2() const { return editLogin2_; }
    QLineEdit* EditPas2() const { return editPas2_; }
    QToolButton* BtnSecur() const { return btnSecur_; }
    QLineEdit* EditPicPath() const { return editPicPath_; }
    QToolButton* SpeedButton1() const { return speedButton1_; }
    QProgressBar* RaitingBar() const { return raitingBar_; }
    QToolButton* SBtnDown() const { return sBtnDown_; }
    QToolButton* SBtnUp() const { return sBtnUp_; }
    QCheckBox* CheckResetUrl() const { return checkResetUrl_; }
    QPushButton* BtnOk() const { return btnOk_; }
    QPushButton* BtnCancle() const { return btnCancle_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setBarColour(const QColor& colour);

    PromptsSource prompts_;
    QLineEdit* editName2_;
    QLineEdit* editUrl2_;
    QLineEdit* editUrl2a_;
    QPlainTextEdit* memo2_;
    FolderCombo* treeCombo_;
    QLineEdit* editLogin2_;
    QLineEdit* editPas2_;
    QToolButton* btnSecur_;
    QLineEdit* editPicPath_;
    QToolButton* speedButton1_;
    QProgressBar* raitingBar_;
    QToolButton* sBtnDown_;
    QToolButton* sBtnUp_;
    QCheckBox* checkResetUrl_;
    QPushButton* btnOk_;
    QPushButton* btnCancle_;
    PasswordCharsets charsets_;
    int passwordLength_ = 8;
    std::mt19937 random_;
};

} // namespace tarnlink
