#pragma once

// The Help menu's links to the maker: the web site, the newsletter page, the offers, bug report
// and information request mails, and "Tell to friend" (also in the tray menu). Pages and mails
// open through the desktop's handlers; when none is registered, nothing more happens.

#include "ui/shell/feature.h"

#include <QString>

namespace tarnlink {

struct Mail;
class Workbench;

class FeedbackFeature : public Feature {
public:
    explicit FeedbackFeature(Workbench& bench);

    void OpenMail(const Mail& mail);

private:
    void openPage(const QString& address);

    Workbench& bench_;
};

} // namespace tarnlink
