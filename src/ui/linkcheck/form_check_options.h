#pragma once

// The check options dialog: the four settings of section CheckLinks.

#include <QDialog>

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace tarnlink {

struct CheckLinksSection;

class TFormCheckOptions : public QDialog {
    Q_OBJECT
public:
    explicit TFormCheckOptions(QWidget* parent = nullptr);

    void fill(const CheckLinksSection& settings);
    void store(CheckLinksSection& settings) const;

    QCheckBox* CheckSelectedOnly() const { return checkSelectedOnly_; }
    QCheckBox* CheckUpdatePages() const { return checkUpdatePages_; }
    QSpinBox* SpinThreads() const { return spinThreads_; }
    QSpinBox* SpinDelay() const { return spinDelay_; }
    QPushButton* BtnOk() const { return btnOk_; }
    QPushButton* BtnCancle() const { return btnCancle_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* checkSelectedOnly_;
    QCheckBox* checkUpdatePages_;
    QSpinBox* spinThreads_;
    QSpinBox* spinDelay_;
    QPushButton* btnOk_;
    QPushButton* btnCancle_;
};

} // namespace tarnlink
