#pragma once

// The View menu's commands over the window's own parts: the tool bars and their icon size, the
// tabs of the right side with the page controls that follow them, the header strip, the status
// bar and Refresh. It keeps the layout values that outlive a hidden part (the tree's width while
// the right side is gone, the lower pages' height while the upper ones are).

#include "ui/shell/feature.h"

class QMainWindow;
class QTabWidget;

namespace tarnlink {

class CommandMap;
struct MainParts;

class ViewCommands : public Feature {
public:
    ViewCommands(QMainWindow& window, MainParts& parts, CommandMap& commands);

    void setTabShown(QTabWidget* pages, int tab, bool shown);
    // Hides a page control without visible tabs, and the right side when both are hidden.
    void updatePageControls();
    void setLargeIcons(bool large);
    bool largeIcons() const { return largeIcons_; }
    void setTabIconsShown(bool shown);
    bool tabIconsShown() const { return tabIconsShown_; }
    // Panel1's tag: the tree's width while the right side is hidden.
    int treeWidthTag() const { return panel1Tag_; }
    void setTreeWidthTag(int width) { panel1Tag_ = width; }
    int lowerPagesHeight() const { return lowerHeight_; }
    void setLowerPagesHeight(int height) { lowerHeight_ = height; }

    // Every check mark from what is shown now.
    void updateStates(const SelectionFacts&) override;

private:
    void toggleTab(QTabWidget* pages, int tab);

    QMainWindow& window_;
    MainParts& parts_;
    CommandMap& commands_;
    bool largeIcons_ = true;
    bool tabIconsShown_ = true;
    int panel1Tag_;
    int lowerHeight_;
};

} // namespace tarnlink
