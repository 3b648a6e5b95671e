#pragma once

// Link checking in the main window: the check window, shown and hidden by the Check links
// command, and the window's events it answers: no close while a run goes on, an emptied list
// when the document is emptied, a bounded wait for the run's threads at exit.

#include "ui/shell/feature.h"

namespace tarnlink {

class TFormCheck_SW;
class Workbench;

class LinkCheckFeature : public Feature {
public:
    explicit LinkCheckFeature(Workbench& bench);
    ~LinkCheckFeature() override;
    LinkCheckFeature(const LinkCheckFeature&) = delete;
    LinkCheckFeature& operator=(const LinkCheckFeature&) = delete;

    TFormCheck_SW& window() const { return *form_; }

    // Hides the window when this command showed it and it is still visible; else shows it in
    // front.
    void MCheckUrlClick();

    void documentCleared() override;
    void treeEdited(const TreeEdit& edit) override;
    bool mayClose() override;
    void storeSettings(Settings& settings) override;
    void retranslate() override;
    void closing() override;

private:
    Workbench& bench_;
    // Goes with the feature, before the tree whose nodes its rows and threads refer to.
    TFormCheck_SW* form_;
    bool shown_ = false; // the last Check links command showed the window
};

} // namespace tarnlink
