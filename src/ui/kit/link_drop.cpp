#include "ui/kit/link_drop.h"

#include <QMimeData>
#include <QRegularExpression>

namespace tarnlink {

namespace {

const QString kMozUrl = QStringLiteral("text/x-moz-url");
const QString kNetscapeUrl = QStringLiteral("_NETSCAPE_URL");
const QString kUriList = QStringLiteral("text/uri-list");

// Larger drags are not links; they are refused instead of read.
constexpr qsizetype kMaxLinkBytes = 64 * 1024;

QStringList lines(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts);
}

// Address and title on two lines, as Mozilla and Netscape drags carry them.
std::optional<DroppedLink> addressThenTitle(const QString& text)
{
    const QStringList parts = lines(text);
    if (parts.isEmpty() || parts.first().trimmed().isEmpty())
        return std::nullopt;
    return DroppedLink{parts.value(1).trimmed(), parts.first().trimmed()};
}

QString mozText(const QByteArray& bytes)
{
    // UTF-16 in the byte order of the machine, sometimes with a byte-order mark.
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.remove(QChar(0));
    return text;
}

bool looksLikeOneAddress(const QString& text)
{
    if (text.isEmpty() || text.contains(QRegularExpression(QStringLiteral("\\s"))))
        return false;
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return scheme.match(text).hasMatch() || text.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
}

} // namespace

std::optional<DroppedLink> DroppedLinkOf(const QMimeData& data)
{
    auto bytes = [&data](const QString& format) -> std::optional<QByteArray> {
        if (!data.hasFormat(format))
            return std::nullopt;
        QByteArray value = data.data(format);
        if (value.isEmpty() || value.size() > kMaxLinkBytes)
            return std::nullopt;
        return value;
    };
    if (const auto moz = bytes(kMozUrl))
        if (auto link = addressThenTitle(mozText(*moz)))
            return link;
    if (const auto netscape = bytes(kNetscapeUrl))
        if (auto link = addressThenTitle(QString::fromUtf8(*netscape)))
            return link;
    if (const auto list = bytes(kUriList))
        for (const QString& line : lines(QString::fromUtf8(*list)))
            if (!line.startsWith(QLatin1Char('#')) && !line.trimmed().isEmpty())
                return DroppedLink{QString(), line.trimmed()};
    if (data.hasText() && data.text().size() <= kMaxLinkBytes) {
        const QString text = data.text().trimmed();
        if (looksLikeOneAddress(text))
            return DroppedLink{QString(), text};
    }
    return std::nullopt;
}

bool CarriesLink(const QMimeData& data)
{
    return DroppedLinkOf(data).has_value();
}

QMimeData* LinkMimeData(const QString& title, const QString& address)
{
    auto* data = new QMimeData;
    data->setData(kUriList, (address + QStringLiteral("\r\n")).toUtf8());
    const QString moz = address + QLatin1Char('\n') + title;
    data->setData(kMozUrl, QByteArray(reinterpret_cast<const char*>(moz.utf16()), moz.size() * 2));
    data->setData(kNetscapeUrl, moz.toUtf8());
    data->setText(address);
    return data;
}

} // namespace tarnlink
