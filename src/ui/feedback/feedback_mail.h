#pragma once

// The prepared mails of the Help menu: offers, bug report and information request to the maker,
// and the recommendation to a friend. Each is composed as plain text and handed over as one
// mailto: address whose subject and body are percent-encoded, so a translated sentence holding
// "&", "?", "%" or letters of any script reaches the mail program whole; line breaks are CR LF,
// as mailto: bodies carry them.

#include <QString>
#include <QUrl>

namespace tarnlink {

// The maker's addresses; the web site is the one the exports name.
QString MakerWebSite();
QString MakerNewsletterPage();
inline constexpr char kMakerMailAddress[] = "feedback@tarnlink.example";

struct Mail {
    QString recipient; // empty: the user fills it in
    QString subject;
    QString body;
};

// "mailto:" + recipient + "?subject=" + subject + "&body=" + body, encoded.
QUrl MailtoUrl(const Mail& mail);

// The system the program runs on: the distribution's pretty name and the kernel, e.g.
// "Debian GNU/Linux 12 (bookworm), Linux 6.1.0-18-amd64".
QString SystemText(const QString& prettyName, const QString& kernelType, const QString& kernelVersion);
QString CurrentSystemText();

// The sentences pass through Translate; version and system are put in as given.
Mail RecommendationMail(const QString& webSite);
Mail OffersMail(const QString& version, const QString& system);
Mail BugReportMail(const QString& version, const QString& system);
Mail InformationRequestMail(const QString& version, const QString& system);

} // namespace tarnlink
