#include "page_source.h"

namespace tarnlink {

namespace {

const QString kBlankPage = QStringLiteral("about:blank");

// The text up to the next double quote; empty when none follows.
QString upToQuote(const QString& text)
{
    const qsizetype quote = text.indexOf(u'"');
    return quote < 0 ? QString() : text.left(quote);
}

} // namespace

QString PageAnswer(const QString& address, const QString& title)
{
    return u'"' + address + QStringLiteral("\",\"") + title + u'"';
}

std::optional<BrowserPage> ParsePageAnswer(const QString& answer)
{
    if (answer.isEmpty() || answer == kBlankPage)
        return std::nullopt;
    QString rest = answer.mid(1);
    BrowserPage page;
    page.address = upToQuote(rest);
    rest = rest.mid(page.address.size() + 3);
    page.title = upToQuote(rest);
    // Sources quote the address, so a blank page also comes as "about:blank","".
    if (page.address == kBlankPage)
        return std::nullopt;
    return page;
}

std::optional<BrowserPage> AskPageSources(const PageSources& sources)
{
    for (const auto& source : sources)
        if (auto page = ParsePageAnswer(source->currentPage()))
            return page;
    return std::nullopt;
}

} // namespace tarnlink
