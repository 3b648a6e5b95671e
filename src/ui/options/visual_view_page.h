#pragma once

// Page "Visual view" (TabView): fonts and colours of the tree, the list view and the description
// box. They are kept as stored control properties and reach the window after OK.

#include "ui/kit/prompts_source.h"
#include "ui/options/options_page.h"

#include <QPalette>

#include <vector>

namespace tarnlink {

class ColorSelector;
class FontButton;

class VisualViewPage : public OptionsPage {
public:
    explicit VisualViewPage(PromptsSource prompts);

    void load(const Settings& settings) override;
    void store(Settings& settings) const override;

    FontButton* BtnSelectFontTree() const { return fontTree_; }
    ColorSelector* ColorSelectorHot() const { return hot_; }
    ColorSelector* ColorSelectorBackground() const { return background_; }
    ColorSelector* ColorSelectorLines() const { return lines_; }
    ColorSelector* ColorSelectorSeparator() const { return separator_; }
    FontButton* BtnSelectFontList() const { return fontList_; }
    ColorSelector* ColorSelectorBGList() const { return backgroundList_; }
    FontButton* BtnSelectFontEdit() const { return fontEdit_; }
    ColorSelector* ColorSelectorBGDescr() const { return backgroundDescription_; }

private:
    // The stored control properties edited here; a missing one shows the application's own.
    struct StoredFont {
        FontButton* button;
        QString key;
    };
    struct StoredColour {
        ColorSelector* selector;
        QString key;
        QPalette::ColorRole fallback;
    };

    FontButton* fontTree_;
    ColorSelector* hot_;
    ColorSelector* background_;
    ColorSelector* lines_;
    ColorSelector* separator_;
    FontButton* fontList_;
    ColorSelector* backgroundList_;
    FontButton* fontEdit_;
    ColorSelector* backgroundDescription_;
    std::vector<StoredFont> fonts_;
    std::vector<StoredColour> colours_;
};

} // namespace tarnlink
