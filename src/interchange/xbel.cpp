#include "xbel.h"

#include "bookmark_fields.h"
#include "import_sink.h"
#include "nested_export.h"

#include "model/tree_node.h"
#include "platform/codepage.h"

#include <QDateTime>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <vector>

namespace tarnlink {

namespace {

std::string visitOf(QStringView iso)
{
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
                BookmarkLink link;
                link.address = xml_.attributes().value(QLatin1String("href")).toString().toStdString();
                link.visited = visitOf(xml_.attributes().value(QLatin1String("visited")));
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

class XbelWriter final : public NestedExportWriter {
public:
    XbelWriter() : xml_(&bytes_)
    {
        xml_.setAutoFormatting(true);
        xml_.setAutoFormattingIndent(2);
        xml_.writeStartDocument();
        xml_.writeDTD(QStringLiteral("<!DOCTYPE xbel>"));
        xml_.writeStartElement(QStringLiteral("xbel"));
        xml_.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    }

    void openFolder(const TfcTreeNode& folder) override
    {
        xml_.writeStartElement(QStringLiteral("folder"));
        titleAndDescription(folder);
    }

    void closeFolder() override { xml_.writeEndElement(); }

    void item(const TfcTreeNode& node) override
    {
        if (node.IsSeparator()) {
            xml_.writeEmptyElement(QStringLiteral("separator"));
            return;
        }
        xml_.writeStartElement(QStringLiteral("bookmark"));
        xml_.writeAttribute(QStringLiteral("href"), xmlText(node.Link1));
        if (const auto seconds = UnixSecondsOfVisit(node.Visited))
            xml_.writeAttribute(QStringLiteral("visited"),
                                QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC).toString(Qt::ISODate));
        titleAndDescription(node);
        xml_.writeEndElement();
    }

    std::string take()
    {
        xml_.writeEndDocument();
        return bytes_.toStdString();
    }

private:
    void titleAndDescription(const TfcTreeNode& node)
    {
        xml_.writeTextElement(QStringLiteral("title"), xmlText(node.Name()));
        if (!node.Description.empty())
            xml_.writeTextElement(QStringLiteral("desc"), xmlText(TextOfDescription(node.Description)));
    }

    QByteArray bytes_;
    QXmlStreamWriter xml_;
};

} // namespace

void ReadXbel(const QByteArray& xml, ImportEvents& events)
{
    XbelReader(xml, events).read();
}

std::optional<std::string> BuildXbelExport(const TfcTreeNodes& tree, const ExportScope& scope)
{
    ExportPlan plan = PlanExport(tree, scope);
    if (!plan.writes)
        return std::nullopt;
    XbelWriter writer;
    WriteNestedExport(plan, writer);
    return writer.take();
}

} // namespace tarnlink
