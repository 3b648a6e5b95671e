#pragma once

// The preferences dialog: a page control over the nine pages, OK and Cancel. It only frames the
// pages; each page loads and stores its own settings.

#include "ui/kit/prompts_source.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTabWidget;

namespace tarnlink {

class AnimationPage;
class BrowsersPage;
class ExplorerPage;
class GeneralPage;
class LinkMonitorPage;
class LinksPage;
class ListPage;
class OptionsPage;
class PasswordPage;
class VisualViewPage;
struct Settings;

class TFormOptions : public QDialog {
    Q_OBJECT
public:
    explicit TFormOptions(PromptsSource prompts, QWidget* parent = nullptr);

    // Every page from the settings, and the page ActPOption opened.
    void load(const Settings& settings);
    // Every page into the settings, and the open page into ActPOption.
    void store(Settings& settings) const;

    QTabWidget* PageControl() const { return pageControl_; }
    GeneralPage* TabOther() const { return general_; }
    VisualViewPage* TabView() const { return visual_; }
    LinksPage* TabURLTime() const { return links_; }
    AnimationPage* TabFormAnim() const { return animation_; }
    PasswordPage* TabPwd() const { return password_; }
    BrowsersPage* TabBrowsers() const { return browsers_; }
    ExplorerPage* TabExplorer() const { return explorer_; }
    LinkMonitorPage* TabLinkMonitor() const { return linkMonitor_; }
    ListPage* TabListView() const { return list_; }
    QPushButton* BtnOk() const { return btnOk_; }
    QPushButton* BtnCancle() const { return btnCancle_; }

private:
    QTabWidget* pageControl_;
    GeneralPage* general_;
    VisualViewPage* visual_;
    LinksPage* links_;
    AnimationPage* animation_;
    PasswordPage* password_;
    BrowsersPage* browsers_;
    ExplorerPage* explorer_;
    LinkMonitorPage* linkMonitor_;
    ListPage* list_;
    std::vector<OptionsPage*> pages_;
    QPushButton* btnOk_;
    QPushButton* btnCancle_;
};

} // namespace tarnlink
