#include "ui/feedback/feedback_mail.h"

#include "interchange/file_io.h"
#include "ui/kit/translate.h"

#include <QSysInfo>

namespace tarnlink {

namespace {

const QString kProduct = QStringLiteral("Tarnlink");
const QString kBreak = QStringLiteral("\r\n");
const QString kIndent = QStringLiteral("   ");

// The start of every mail to the maker: an empty line, the product and its version, the system.
QString usingLines(const QString& version, const QString& system)
{
    return kBreak + kIndent + Translate("I'm using") + u' ' + kProduct + QStringLiteral(" v") + version + kBreak
        + kIndent + system + kBreak;
}

Mail toMaker(const char* subject, const QString& body)
{
    return {QString::fromLatin1(kMakerMailAddress), kProduct + QStringLiteral(" - ") + Translate(subject), body};
}

} // namespace

QString MakerWebSite()
{
    return QString::fromLatin1(kMakerWebSite.data(), qsizetype(kMakerWebSite.size()));
}

QString MakerNewsletterPage()
{
    return MakerWebSite() + QStringLiteral("newsletter/");
}

QUrl MailtoUrl(const Mail& mail)
{
    const QByteArray address = "mailto:" + mail.recipient.toUtf8() + "?subject="
        + QUrl::toPercentEncoding(mail.subject) + "&body=" + QUrl::toPercentEncoding(mail.body);
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

QString SystemText(const QString& prettyName, const QString& kernelType, const QString& kernelVersion)
{
    QString kernel = kernelType;
    if (!kernel.isEmpty())
        kernel[0] = kernel[0].toUpper();
    kernel += u' ' + kernelVersion;
    return prettyName.isEmpty() ? kernel : prettyName + QStringLiteral(", ") + kernel;
}

QString CurrentSystemText()
{
    // The pretty name is the PRETTY_NAME of /etc/os-release.
    return SystemText(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion());
}

Mail RecommendationMail(const QString& webSite)
{
    const QString body = Translate("Present You new program.") + kBreak + kBreak + kProduct + QStringLiteral(" - ")
        + Translate("this useful bookmarks manager, is created specially") + kBreak
        + Translate("for Internet users, allows vastly to spare") + kBreak
        + Translate("time when work with large amount of links.") + kBreak + kBreak
        + Translate("Advice you to download it") + u' ' + webSite;
    return {QString(), Translate("Excellent program!") + u' ' + kProduct, body};
}

Mail OffersMail(const QString& version, const QString& system)
{
    return toMaker("offers", usingLines(version, system) + kIndent + Translate("and would like to offer following:")
                                 + kBreak + kBreak);
}

Mail BugReportMail(const QString& version, const QString& system)
{
    return toMaker("bug report", usingLines(version, system) + kIndent + Translate("and would like to report a bug.")
                                     + kBreak + kBreak + kIndent + Translate("The bug description:") + kBreak + kBreak
                                     + kBreak + kIndent + Translate("Steps to reproduce the bug:") + kBreak + kBreak);
}

Mail InformationRequestMail(const QString& version, const QString& system)
{
    return toMaker("information request",
                   usingLines(version, system) + kBreak + kIndent
                       + Translate("and would like to obtain some more information about your program") + kBreak
                       + kBreak);
}

} // namespace tarnlink
