#include "collection_file.h"

#include "model/byte_stream.h"
#include "model/errors.h"
#include "model/node_stream.h"
#include "model/tree_node.h"
#include "platform/file_access.h"

#include <QFile>
#include <QSaveFile>

#include <bit>
#include <cstring>

namespace tarnlink {

namespace {

enum HeaderOffset {
    OffTitleLength = 0,
    OffTitle = 1,
    OffVersion = 40,
    OffFolderCount = 304,
    OffLinkCount = 306,
};
constexpr size_t kMaxTitleLength = 35;

// 1.44 in 80-bit extended precision lies just above the double nearest 1.44, so a double is
// below it exactly when it is at most that double.
constexpr double kLastPlainVersion = std::bit_cast<double>(uint64_t{0x3FF70A3D70A3D70A});

uint16_t readUInt16(const char* p)
{
    return uint16_t(uint8_t(p[0]) | uint8_t(p[1]) << 8);
}

} // namespace

bool IsMaskedVersion(double version)
{
    return !(version <= kLastPlainVersion);
}

void MaskStream(ByteReader& source, std::string& target)
{
    const size_t size = source.remaining();
    const size_t start = target.size();
    target.resize(start + size);
    source.read(target.data() + start, size);
    for (size_t i = start; i < target.size(); ++i)
        target[i] = char(uint8_t(target[i]) ^ kBodyMask);
}

namespace {

std::string headerBytes(TreeCounts counts)
{
    std::string header(kCollectionHeaderSize, '\0');
    const size_t titleLength = std::min(kCollectionTitle.size(), kMaxTitleLength);
    header[OffTitleLength] = char(titleLength);
    std::memcpy(header.data() + OffTitle, kCollectionTitle.data(), titleLength);
    const uint64_t version = std::bit_cast<uint64_t>(kCollectionVersion);
    for (int i = 0; i < 8; ++i)
        header[OffVersion + i] = char(version >> (8 * i));
    const auto folders = uint16_t(counts.FolderCount), links = uint16_t(counts.LinkCount);
    header[OffFolderCount] = char(folders);
    header[OffFolderCount + 1] = char(folders >> 8);
    header[OffLinkCount] = char(links);
    header[OffLinkCount + 1] = char(links >> 8);
    return header;
}

} // namespace

std::string BuildCollectionImage(TfcTreeNodes& tree, TreeCounts counts)
{
    std::string image = headerBytes(counts);
    ByteWriter body(image, kBodyMask);
    tree.SaveToStream(body);
    return image;
}

CollectionHeader ReadCollectionImage(std::string_view image, TfcTreeNodes& tree, ForeignFiles foreign)
{
    CollectionHeader header;
    size_t bodyStart = image.size();
    if (image.size() >= size_t(kCollectionHeaderSize)) {
        header.present = true;
        const size_t titleLength = std::min<size_t>(uint8_t(image[OffTitleLength]), kMaxTitleLength);
        header.title.assign(image.data() + OffTitle, titleLength);
        header.ours = header.title.starts_with(kCollectionTitlePrefix);
        std::memcpy(&header.version, image.data() + OffVersion, 8);
        header.folderCount = readUInt16(image.data() + OffFolderCount);
        header.linkCount = readUInt16(image.data() + OffLinkCount);
        bodyStart = kCollectionHeaderSize;
    }
    if (!header.ours && foreign == ForeignFiles::Refuse)
        throw NotACollectionError();
    // The body is unmasked as it is read: no second copy of it is made.
    ByteReader body(image.data() + bodyStart, image.size() - bodyStart,
                    IsMaskedVersion(header.version) ? kBodyMask : 0);
    tree.LoadFromStream(body);
    return header;
}

void WriteCollection(const QString& path, TfcTreeNodes& tree, TreeCounts counts)
{
    // The image goes to a temporary file in chunks and replaces the old file only when complete,
    // so any failure leaves the old file as it was.
    constexpr size_t kChunk = 1 << 20;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        ThrowFileError("Cannot create file", path, file.errorString());
    auto put = [&](const std::string& bytes) { WriteAll(file, path, bytes); };
    put(headerBytes(counts));
    std::string buffer;
    buffer.reserve(kChunk + kNodeRecordSize);
    ByteWriter body(buffer, kBodyMask);
    body.setSpill(kChunk, put);
    tree.SaveToStream(body);
    body.flush();
    if (!file.commit())
        ThrowFileError("Cannot write file", path, file.errorString());
}

CollectionHeader ReadCollection(const QString& path, TfcTreeNodes& tree, ForeignFiles foreign)
{
    QFile file;
    OpenUserFile(file, path, kMaxDataFileBytes);
    return NamingFile(path, [&] {
        if (const qint64 size = file.size(); size > 0) {
            if (const uchar* mapped = file.map(0, size))
                return ReadCollectionImage(std::string_view(reinterpret_cast<const char*>(mapped), size_t(size)), tree, foreign);
        }
        const QByteArray bytes = file.read(file.size());
        if (file.error() != QFileDevice::NoError)
            ThrowFileError("Cannot read file", path, file.errorString());
        return ReadCollectionImage(std::string_view(bytes.constData(), size_t(bytes.size())), tree, foreign);
    });
}

} // namespace tarnlink
