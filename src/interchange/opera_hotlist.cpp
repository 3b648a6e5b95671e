#include "opera_hotlist.h"

#include "file_io.h"
#include "import_sink.h"
#include "text_escapes.h"

#include "model/errors.h"
#include "model/text_lines.h"
#include "model/tree_node.h"
#include "platform/codepage.h"
#include "platform/file_access.h"

#include <array>

namespace tarnlink {

namespace {

constexpr std::string_view kHotlistHeader = "Opera Hotlist version 2.0\r\nOptions:encoding=utf8,version=3\r\n\r\n";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEscapedBreak = "\x02\x02";

// Lines after a marker up to and including the last one the record uses; reading resumes after them.
constexpr size_t kFolderRecordSpan = 5;
constexpr size_t kLinkRecordSpan = 6;

void appendCodePoint(QString& text, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        if (c <= 0x10FFFF)
            text.append(QChar(QChar::highSurrogate(c))).append(QChar(QChar::lowSurrogate(c)));
    } else {
        text.append(QChar(char16_t(c)));
    }
}

std::string fieldValue(std::string_view line)
{
    return codepage::fromDisplay(DecodeUtf8Text(UnescapeHotlistBreaks(HotlistValue(line))));
}

[[noreturn]] void recordCutShort(size_t markerLine)
{
    throw ImportError("The hotlist record at line " + std::to_string(markerLine) + " is cut short by the end of the file");
}

} // namespace

QString DecodeUtf8Text(std::string_view bytes)
{
    QString text;
    text.reserve(qsizetype(bytes.size()));
    const size_t n = bytes.size();
    for (size_t i = 0; i < n;) {
        const auto b = uint8_t(bytes[i]);
        size_t extra;
        char32_t c;
        if (b < 0x80) {
            extra = 0;
            c = b;
        } else if (b >= 0xC0 && b <= 0xDF) {
            extra = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF7) {
            extra = 3;
            c = b & 0x07;
        } else {
            ++i;
            continue;
        }
        if (i + extra >= n && extra > 0)
            break; // a sequence cut short by the end of the value is dropped
        for (size_t k = 1; k <= extra; ++k)
            c = (c << 6) | (uint8_t(bytes[i + k]) & 0x3F);
        appendCodePoint(text, c);
        i += extra + 1;
    }
    return text;
}

std::string EncodeUtf8Text(const QString& text)
{
    std::string out;
    out.reserve(size_t(text.size()));
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        AppendUtf8(out, c);
    }
    return out;
}

std::string_view HotlistValue(std::string_view line)
{
    const size_t equals = line.find('=');
    return equals == std::string_view::npos ? line : line.substr(equals + 1);
}

std::string EscapeHotlistBreaks(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' || value[i] == '\n') {
            out += kEscapedBreak;
            if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
                ++i;
        } else {
            out += value[i];
        }
    }
    return out;
}

std::string UnescapeHotlistBreaks(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value.substr(i, 2) == kEscapedBreak) {
            out += '\r';
            ++i;
        } else {
            out += value[i];
        }
    }
    return out;
}

void TImportOpera::Import(ImportEvents& events) const
{
    if (FileName.isEmpty())
        return;
    const QByteArray text = ReadImportFile(FileName);
    NamingFile(FileName, [&] { ImportText(std::string_view(text.constData(), size_t(text.size())), events); });
}

void TImportOpera::ImportText(std::string_view text, ImportEvents& events)
{
    TextLines lines(text);
    std::array<std::string_view, kLinkRecordSpan> record; // the lines after a marker
    std::string_view line;
    while (lines.next(line)) {
        const bool folder = line == "#FOLDER";
        if (folder || line == "#URL") {
            const size_t markerLine = lines.count();
            const size_t span = folder ? kFolderRecordSpan : kLinkRecordSpan;
            for (size_t i = 0; i < span; ++i)
                if (!lines.next(record[i]))
                    recordCutShort(markerLine);
            if (folder)
                events.OnFolder(fieldValue(record[0]), fieldValue(record[4]));
            else
                events.OnLink(fieldValue(record[0]), fieldValue(record[1]), fieldValue(record[5]));
        } else if (line == "-") {
            events.OnFolderEnd();
        }
    }
}

void TImportOpera::addLine(std::string_view line)
{
    records_ += line;
    records_ += kLineEnd;
}

void TImportOpera::addKey(std::string_view key, std::string_view value)
{
    records_ += '\t';
    records_ += key;
    records_ += '=';
    if (!value.empty())
        records_ += EncodeUtf8Text(codepage::toDisplay(EscapeHotlistBreaks(value)));
    else if (key == "CREATED" || key == "VISITED")
        records_ += '0';
    else if (key == "ORDER")
        records_ += "-1";
    records_ += kLineEnd;
}

void TImportOpera::AddEntry(std::string_view name, std::string_view address, std::string_view created,
                            std::string_view visited, std::string_view order, std::string_view description,
                            std::string_view shortName, bool isLink)
{
    addLine(isLink ? "#URL" : "#FOLDER");
    addKey("NAME", name);
    if (isLink)
        addKey("URL", address);
    addKey("CREATED", created);
    addKey("VISITED", visited);
    addKey("ORDER", order);
    addKey("DESCRIPTION", description);
    addKey("SHORT NAME", shortName);
    addLine({});
}

void TImportOpera::AddFolderEnd()
{
    addLine("-");
}

std::string TImportOpera::Hotlist() const
{
    std::string text;
    text.reserve(kHotlistHeader.size() + records_.size());
    return text.append(kHotlistHeader).append(records_);
}

void ImportOperaHotlist(TfcTreeNodes& tree, TreeCounts& counts, const QString& fileName)
{
    ImportSink sink(tree, counts, ImportTargetFor(tree.Selected()));
    UpdateGuard update(tree);
    TImportOpera reader;
    reader.FileName = fileName;
    reader.Import(sink);
}

} // namespace tarnlink
