#pragma once

// The sort dialog: the key, "Only links" and the direction.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace tarnlink {

struct SortSection;

class TFormSort : public QDialog {
    Q_OBJECT
public:
    // caption: the sort command's menu caption, translated.
    explicit TFormSort(const QString& caption, QWidget* parent = nullptr);

    // The controls from the stored choices, and back.
    void fill(const SortSection& choices);
    void store(SortSection& choices) const;

    QComboBox* ComboBoxSort() const { return comboBoxSort_; }
    QCheckBox* CheckOnlyLinks() const { return checkOnlyLinks_; }
    QRadioButton* RadioBtnUp() const { return radioBtnUp_; }
    QRadioButton* RadioBtnDown() const { return radioBtnDown_; }
    QPushButton* BtnOk() const { return btnOk_; }
    QPushButton* BtnCancle() const { return btnCancle_; }

private:
    QComboBox* comboBoxSort_;
    QCheckBox* checkOnlyLinks_;
    QRadioButton* radioBtnUp_;
    QRadioButton* radioBtnDown_;
    QPushButton* btnOk_;
    QPushButton* btnCancle_;
};

} // namespace tarnlink
