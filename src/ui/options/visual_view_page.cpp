#include "ui/options/visual_view_page.h"

#include "settings/settings.h"
#include "ui/kit/windows_color.h"
#include "ui/options/look_controls.h"

#include <QApplication>
#include <QGroupBox>

namespace tarnlink {

VisualViewPage::VisualViewPage(PromptsSource prompts)
    : fontTree_(new FontButton("BtnSelectFontTree", prompts)),
      hot_(new ColorSelector("ColorSelectorHot", "Select color", prompts)),
      background_(new ColorSelector("ColorSelectorBackground", "Background", prompts)),
      lines_(new ColorSelector("ColorSelectorLines", "Lines", prompts)),
      separator_(new ColorSelector("ColorSelectorSeparator", "Separator line", prompts)),
      fontList_(new FontButton("BtnSelectFontList", prompts)),
      backgroundList_(new ColorSelector("ColorSelectorBGList", "Background", prompts)),
      fontEdit_(new FontButton("BtnSelectFontEdit", prompts)),
      backgroundDescription_(new ColorSelector("ColorSelectorBGDescr", "Background", prompts))
{
    setObjectName(QStringLiteral("TabView"));
    fonts_ = {{fontTree_, QStringLiteral("TreeInet.Font")},
              {fontList_, QStringLiteral("ListView.Font")},
              {fontEdit_, QStringLiteral("Memo1.Font")}};
    colours_ = {{background_, QStringLiteral("TreeInet.Color"), QPalette::Base},
                {lines_, QStringLiteral("TreeInet.LineColor"), QPalette::Dark},
                {separator_, QStringLiteral("TreeInet.InactiveFocusColor"), QPalette::Mid},
                {backgroundList_, QStringLiteral("ListView.Color"), QPalette::Base},
                {backgroundDescription_, QStringLiteral("Memo1.Color"), QPalette::Base}};
    StackOnPage(*this, {NewGroup("Links explorer", {fontTree_, hot_, background_, lines_, separator_}),
                        NewGroup("List", {fontList_, backgroundList_}),
                        NewGroup("Description", {fontEdit_, backgroundDescription_})});
}

void VisualViewPage::load(const Settings& s)
{
    for (const StoredFont& f : fonts_) {
        QFont font = QApplication::font();
        if (const auto text = s.form.text(f.key))
            font.fromString(*text);
        f.button->setChosenFont(font);
    }
    for (const StoredColour& c : colours_)
        c.selector->setWindowsColor(s.form.integer(c.key, ToWindowsColor(QApplication::palette().color(c.fallback))));
    hot_->setWindowsColor(s.options.hotColor);
}

void VisualViewPage::store(Settings& s) const
{
    for (const StoredFont& f : fonts_)
        s.form.setText(f.key, f.button->chosenFont().toString());
    for (const StoredColour& c : colours_)
        s.form.setInteger(c.key, c.selector->windowsColor());
    s.options.hotColor = hot_->windowsColor();
}

} // namespace tarnlink
