#include "ui/feedback/feedback_feature.h"

#include "ui/feedback/feedback_mail.h"
#include "ui/kit/command_map.h"
#include "ui/kit/launcher.h"
#include "ui/shell/workbench.h"

#include <QCoreApplication>

namespace tarnlink {

FeedbackFeature::FeedbackFeature(Workbench& bench) : bench_(bench)
{
    CommandMap& c = bench.commands();
    c.setHandler(Cmd::WebSite, [this] { openPage(MakerWebSite()); });
    c.setHandler(Cmd::FeedbackSubscribe, [this] { openPage(MakerNewsletterPage()); });
    c.setHandler(Cmd::TellFriend, [this] { OpenMail(RecommendationMail(MakerWebSite())); });
    using MailOf = Mail (*)(const QString&, const QString&);
    const std::pair<Cmd, MailOf> toMaker[] = {
        {Cmd::FeedbackOffers, &OffersMail},
        {Cmd::FeedbackBugReport, &BugReportMail},
        {Cmd::FeedbackInformation, &InformationRequestMail},
    };
    for (const auto& [command, mail] : toMaker)
        c.setHandler(command, [this, mail] { OpenMail(mail(QCoreApplication::applicationVersion(), CurrentSystemText())); });
}

void FeedbackFeature::OpenMail(const Mail& mail)
{
    bench_.launcher().openUrl(MailtoUrl(mail));
}

void FeedbackFeature::openPage(const QString& address)
{
    bench_.launcher().openUrl(QUrl(address));
}

} // namespace tarnlink
