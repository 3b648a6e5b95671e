#include "xbel.h"

#include "bookmark_fields.h"
#include "import_sink.h"
#include "nested_export.h"

#include "model/tree_node.h"
#include "platform/codepage.h"

#include <QDateTime>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>
#include <vector>

namespace tarnlink {

namespace {

// An ISO 8601 time; the form "yyyy-MM-ddTHH:mm:ssZ" that programs write is read directly, for
// the general parser takes longer than the rest of a bookmark.
std::string visitOf(QStringView iso)
{
    static constexpr QLatin1String pattern("dddd-dd-ddTdd:dd:ddZ");
    bool utc = iso.size() == pattern.size();
    for (qsizetype i = 0; utc && i < pattern.size(); ++i)
        utc = pattern[i] == u'd' ? iso[i].isDigit() : iso[i] == pattern[i];
    if (utc) {
        const auto number = [&](qsizetype at, qsizetype digits) { return iso.mid(at, digits).toInt(); };
        const QDateTime time(QDate(number(0, 4), number(5, 2), number(8, 2)), QTime(number(11, 2), number(14, 2), number(17, 2)),
                             Qt::UTC);
        return time.isValid() ? VisitFromUnixSeconds(time.toSecsSinceEpoch()) : std::string();
    }
    const QDateTime time = QDateTime::fromString(iso.toString(), Qt::ISODate);
    return time.isValid() ? VisitFromUnixSeconds(time.toSecsSinceEpoch()) : std::string();
}

// The entries open around the element read now: a folder (or the file itself) and a bookmark
// are reported once their title and description are known.
class XbelReader {
public:
    XbelReader(const QByteArray& xml, ImportEvents& events) : xml_(xml), events_(events) {}

    void read()
    {
        while (!xml_.atEnd()) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::DTD:
                if (!xml_.entityDeclarations().isEmpty())
                    throw ImportError("The file declares entities of its own, which are not read");
                break;
            case QXmlStreamReader::StartElement:
                start();
                break;
            case QXmlStreamReader::EndElement:
                end();
                break;
            default:
                break;
            }
        }
        if (xml_.hasError())
            throw ImportError("The bookmark file is damaged");
        if (!sawXbel_)
            throw ImportError("The file is not an XBEL bookmark file");
    }

private:
    enum class Kind { File, Folder, Bookmark };
    struct Entry {
        Kind kind;
        BookmarkLink link; // a folder uses name and description
        bool reported = false;
    };

    void start()
    {
        const QStringView name = xml_.name();
        if (open_.empty()) {
            if (name != QLatin1String("xbel"))
                throw ImportError("The file is not an XBEL bookmark file");
            sawXbel_ = true;
            open_.push_back({Kind::File, {}, true});
            return;
        }
        Entry& entry = open_.back();
        if (name == QLatin1String("title") && !entry.reported) {
            entry.link.name = text();
        } else if (name == QLatin1String("desc") && !entry.reported) {
            entry.link.description = DescriptionFromText(text());
        } else if (entry.kind == Kind::Bookmark || name == QLatin1String("info")) {
            xml_.skipCurrentElement();
        } else {
            reportFolder(entry);
            if (name == QLatin1String("folder")) {
                open_.push_back({Kind::Folder, {}, false});
            } else if (name == QLatin1String("bookmark")) {
                const QXmlStreamAttributes attributes = xml_.attributes();
                BookmarkLink link;
                link.address = attributes.value(QLatin1String("href")).toString().toStdString();
                link.visited = visitOf(attributes.value(QLatin1String("visited")));
                open_.push_back({Kind::Bookmark, std::move(link), false});
            } else {
                if (name == QLatin1String("separator"))
                    events_.OnSeparator();
                else if (name == QLatin1String("alias"))
                    events_.OnSkipped(SkipReason::UnsupportedItem);
                xml_.skipCurrentElement();
            }
        }
    }

    void end()
    {
        Entry& entry = open_.back();
        if (entry.kind == Kind::Bookmark) {
            ReportBookmark(events_, entry.link);
        } else if (entry.kind == Kind::Folder) {
            reportFolder(entry);
            events_.OnFolderEnd();
        }
        open_.pop_back();
    }

    void reportFolder(Entry& folder)
    {
        if (folder.reported)
            return;
        ReportFolder(events_, folder.link.name, folder.link.description);
        folder.reported = true;
    }

    std::string text() { return xml_.readElementText(QXmlStreamReader::SkipChildElements).toStdString(); }

    QXmlStreamReader xml_;
    ImportEvents& events_;
    std::vector<Entry> open_;
    bool sawXbel_ = false;
};

// XML 1.0 holds no control characters but tab and the line breaks, and no lone surrogates.
QString xmlText(const std::string& bytes)
{
    QString text = codepage::toDisplay(bytes);
    const auto unfit = [](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE || u == 0xFFFF;
    };
    text.removeIf(unfit);
    return text.isValidUtf16() ? text : QString::fromUtf8(text.toUtf8());
}

// "yyyy-MM-ddTHH:mm:ssZ" from seconds since 1970.
QString isoUtc(qint64 seconds)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    const QDate date = utc.date();
    const QTime time = utc.time();
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", date.year(), date.month(), date.day(), time.hour(),
                  time.minute(), time.second());
    return QString::fromLatin1(text);
}

// Written into a QString, which the writer appends to directly, and encoded once at the end.
// Each entry begins a line of its own; the writer's own indenting would double the time.
class XbelWriter final : public NestedExportWriter {
public:
    XbelWriter() : xml_(&text_)
    {
        xml_.writeStartDocument();
        xml_.writeDTD(QStringLiteral("<!DOCTYPE xbel>"));
        xml_.writeStartElement(QStringLiteral("xbel"));
        xml_.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    }

    void openFolder(const TfcTreeNode& folder) override
    {
        newLine();
        xml_.writeStartElement(QStringLiteral("folder"));
        titleAndDescription(folder);
    }

    void closeFolder() override
    {
        newLine();
        xml_.writeEndElement();
    }

    void item(const TfcTreeNode& node) override
    {
        newLine();
        if (node.IsSeparator()) {
            xml_.writeEmptyElement(QStringLiteral("separator"));
            return;
        }
        xml_.writeStartElement(QStringLiteral("bookmark"));
        xml_.writeAttribute(QStringLiteral("href"), xmlText(node.Link1));
        if (const auto seconds = UnixSecondsOfVisit(node.Visited))
            xml_.writeAttribute(QStringLiteral("visited"), isoUtc(*seconds));
        titleAndDescription(node);
        xml_.writeEndElement();
    }

    std::string take()
    {
        newLine();
        xml_.writeEndDocument();
        return text_.toStdString();
    }

private:
    void newLine() { xml_.writeCharacters(QStringLiteral("\n")); }

    void titleAndDescription(const TfcTreeNode& node)
    {
        xml_.writeTextElement(QStringLiteral("title"), xmlText(node.Name()));
        if (!node.Description.empty())
            xml_.writeTextElement(QStringLiteral("desc"), xmlText(TextOfDescription(node.Description)));
    }

    QString text_;
    QXmlStreamWriter xml_;
};

} // namespace

void ReadXbel(const QByteArray& xml, ImportEvents& events)
{
    XbelReader(xml, events).read();
}

std::optional<std::string> BuildXbelExport(const TfcTreeNodes& tree, const ExportScope& scope)
{
    return BuildNestedExport<XbelWriter>(tree, scope);
}

} // namespace tarnlink
