#include "xbel.h"

#include "bookmark_fields.h"
#include "import_sink.h"
#include "nested_export.h"

#include "model/tree_node.h"
#include "model/utf8_cut.h"
#include "platform/visit_time_format.h"

#include <QDateTime>
#include <QXmlStreamReader>

#include <cstdio>
#include <vector>

namespace tarnlink {

namespace {

// An ISO 8601 time; the form "yyyy-MM-ddTHH:mm:ssZ" that programs write is read directly, for
// the general parser takes longer than the rest of a bookmark.
std::string visitOf(QStringView iso)
{
    static constexpr std::string_view utcForm = "dddd-dd-ddTdd:dd:ddZ";
    if (size_t(iso.size()) == utcForm.size()) {
        char text[utcForm.size()];
        for (size_t i = 0; i < utcForm.size(); ++i)
            text[i] = iso[qsizetype(i)].toLatin1(); // 0 for a character beyond Latin-1
        if (const auto parts = ParseFixedDateTime(std::string_view(text, utcForm.size()), utcForm))
            return VisitFromUnixSeconds(QDateTime(parts->first, parts->second, Qt::UTC).toSecsSinceEpoch());
    }
    const QDateTime time = QDateTime::fromString(iso.toString(), Qt::ISODate);
    return time.isValid() ? VisitFromUnixSeconds(time.toSecsSinceEpoch()) : std::string();
}

// The reader takes text decoded at once faster than bytes it decodes as it goes. That is sound for
// UTF-8 without a byte order mark, under no declaration of another encoding; every other file is
// given as it stands, for the reader to find its encoding and its faults.
QXmlStreamReader makeReader(const QByteArray& xml)
{
    const QByteArrayView declaration = QByteArrayView(xml).first(xml.startsWith("<?xml") ? qMax(xml.indexOf("?>"), 0) : 0);
    const qsizetype encoding = declaration.indexOf("encoding");
    const bool utf8 = encoding < 0 || declaration.sliced(encoding).toByteArray().toLower().contains("utf-8");
    if (utf8 && !xml.startsWith("\xEF\xBB\xBF") && IsValidUtf8(std::string_view(xml.constData(), size_t(xml.size()))))
        return QXmlStreamReader(QString::fromUtf8(xml));
    return QXmlStreamReader(xml);
}

// The entries open around the element read now: a folder (or the file itself) and a bookmark
// are reported once their title and description are known.
class XbelReader {
public:
    XbelReader(const QByteArray& xml, ImportEvents& events) : xml_(makeReader(xml)), events_(events) {}

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

// Text as XML 1.0 holds it, in UTF-8: "&", "<", ">" and '"' as entities; control characters
// other than tab and the line breaks, and U+FFFE and U+FFFF, left out. A carriage return, and in
// an attribute also a tab or line feed, is written as a reference, so that a reader keeps it
// instead of turning it into a line feed or a space.
void appendXml(std::string& out, std::string_view utf8, bool attribute)
{
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\r': out += "&#13;"; break;
        case '\n': out += attribute ? "&#10;" : "\n"; break;
        case '\t': out += attribute ? "&#9;" : "\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                break;
            if (c == '\xEF' && i + 2 < utf8.size() && utf8[i + 1] == '\xBF' && (utf8[i + 2] == '\xBE' || utf8[i + 2] == '\xBF')) {
                i += 2;
                break;
            }
            out += c;
        }
    }
}

void appendXmlOf(std::string& out, const std::string& bytes, bool attribute)
{
    std::string converted;
    appendXml(out, Utf8View(bytes, converted), attribute);
}

// "yyyy-MM-ddTHH:mm:ssZ" from seconds since 1970.
void appendIsoUtc(std::string& out, qint64 seconds)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    const QDate date = utc.date();
    const QTime time = utc.time();
    char text[24];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", date.year(), date.month(), date.day(),
                                     time.hour(), time.minute(), time.second());
    out.append(text, size_t(length));
}

// Each entry begins a line of its own, without indenting.
class XbelWriter final : public NestedExportWriter {
public:
    XbelWriter() : xml_("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE xbel>\n<xbel version=\"1.0\">\n") {}

    void openFolder(const TfcTreeNode& folder) override
    {
        xml_ += "<folder>";
        titleAndDescription(folder);
        xml_ += '\n';
    }

    void closeFolder() override { xml_ += "</folder>\n"; }

    void item(const TfcTreeNode& node) override
    {
        if (node.IsSeparator()) {
            xml_ += "<separator/>\n";
            return;
        }
        xml_ += "<bookmark href=\"";
        appendXmlOf(xml_, node.Link1, true);
        xml_ += '"';
        if (const auto seconds = UnixSecondsOfVisit(node.Visited)) {
            xml_ += " visited=\"";
            appendIsoUtc(xml_, *seconds);
            xml_ += '"';
        }
        xml_ += '>';
        titleAndDescription(node);
        xml_ += "</bookmark>\n";
    }

    std::string take()
    {
        xml_ += "</xbel>\n";
        return std::move(xml_);
    }

private:
    void titleAndDescription(const TfcTreeNode& node)
    {
        xml_ += "<title>";
        appendXmlOf(xml_, node.Name(), false);
        xml_ += "</title>";
        if (!node.Description.empty()) {
            xml_ += "<desc>";
            appendXmlOf(xml_, TextOfDescription(node.Description), false);
            xml_ += "</desc>";
        }
    }

    std::string xml_;
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
