#include "link_recognition.h"

#include "platform/address_case.h"
#include "platform/codepage.h"

#include <algorithm>
#include <array>

namespace tarnlink {

namespace {

constexpr std::array<QLatin1StringView, 6> kAddressMarkers{
    QLatin1StringView("http://"), QLatin1StringView("https://"), QLatin1StringView("www"),
    QLatin1StringView(".ru"),     QLatin1StringView(".com"),     QLatin1StringView(".net"),
};

bool isSeparator(QChar c)
{
    return c == u'\r' || c == u'\n' || c == u' ' || c == u'\t';
}

template <typename Visit> void forEachWord(const QString& text, Visit visit)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isSeparator(text[i]))
            continue;
        if (i > start)
            visit(QStringView(text).sliced(start, i - start));
        start = i + 1;
    }
}

bool looksLikeAddress(const QString& lowered)
{
    return !lowered.contains(u'@')
           && std::any_of(kAddressMarkers.begin(), kAddressMarkers.end(),
                          [&](QLatin1StringView marker) { return lowered.contains(marker); });
}

} // namespace

QStringList RecognizeAddresses(const QString& text, const QStringList& exclusions)
{
    QStringList excluded;
    for (const QString& line : exclusions)
        if (!line.isEmpty())
            excluded << line.toLower();

    QStringList addresses;
    forEachWord(text, [&](QStringView word) {
        const QString lowered = word.toString().toLower();
        if (std::any_of(excluded.begin(), excluded.end(), [&](const QString& line) { return lowered.contains(line); }))
            return;
        if (looksLikeAddress(lowered.trimmed()))
            addresses << codepage::toDisplay(LowerSchemeAndHost(codepage::fromDisplay(word.trimmed().toString())));
    });
    return addresses;
}

} // namespace tarnlink
