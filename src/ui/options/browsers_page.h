#pragma once

// Page "Browsers" (TabBrowsers): the program files of the three browsers, which of them opens
// links, and the window state of a launched browser.

#include "ui/kit/prompts_source.h"
#include "ui/options/options_page.h"

#include <array>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace tarnlink {

class BrowsersPage : public OptionsPage {
public:
    explicit BrowsersPage(PromptsSource prompts);

    void load(const Settings& settings) override;
    void store(Settings& settings) const override;

    // The rows "Internet Explorer", "Opera", "Other".
    enum Row { IE, NetScape, Other };
    QLineEdit* EditDir(Row row) const { return rows_.at(row).edit; }
    QToolButton* BtnDir(Row row) const { return rows_.at(row).browse; }
    QRadioButton* RadioBtnDir(Row row) const { return rows_.at(row).open; }
    QComboBox* ComboBoxShow() const { return comboBoxShow_; }
    // The "..." button: a program chosen through the file dialog into the row's box.
    void BtnDirClick(Row row);

private:
    struct BrowserRow {
        QLineEdit* edit;
        QToolButton* browse;
        QRadioButton* open;
    };

    PromptsSource prompts_;
    std::array<BrowserRow, 3> rows_;
    QComboBox* comboBoxShow_;
};

} // namespace tarnlink
