#include "collection_file.h"

#include "model/byte_stream.h"
#include "model/errors.h"
#include "model/tree_node.h"

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

std::string fileText(const QString& path)
{
    return path.toStdString();
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

std::string BuildCollectionImage(TfcTreeNodes& tree, TreeCounts counts)
{
    std::string image(kCollectionHeaderSize, '\0');
    const size_t titleLength = std::min(kCollectionTitle.size(), kMaxTitleLength);
    image[OffTitleLength] = char(titleLength);
    std::memcpy(image.data() + OffTitle, kCollectionTitle.data(), titleLength);
    const uint64_t version = std::bit_cast<uint64_t>(kCollectionVersion);
    for (int i = 0; i < 8; ++i)
        image[OffVersion + i] = char(version >> (8 * i));
    const auto folders = uint16_t(counts.FolderCount), links = uint16_t(counts.LinkCount);
    image[OffFolderCount] = char(folders);
    image[OffFolderCount + 1] = char(folders >> 8);
    image[OffLinkCount] = char(links);
    image[OffLinkCount + 1] = char(links >> 8);

    std::string body;
    body.reserve(size_t(tree.Count()) * 256);
    ByteWriter writer(body);
    tree.SaveToStream(writer);
    ByteReader plain(body);
    image.reserve(image.size() + body.size());
    MaskStream(plain, image);
    return image;
}

CollectionHeader ReadCollectionImage(std::string_view image, TfcTreeNodes& tree)
{
    CollectionHeader header;
    size_t bodyStart = image.size();
    if (image.size() >= size_t(kCollectionHeaderSize)) {
        header.present = true;
        const size_t titleLength = std::min<size_t>(uint8_t(image[OffTitleLength]), kMaxTitleLength);
        header.title.assign(image.data() + OffTitle, titleLength);
        std::memcpy(&header.version, image.data() + OffVersion, 8);
        header.folderCount = readUInt16(image.data() + OffFolderCount);
        header.linkCount = readUInt16(image.data() + OffLinkCount);
        bodyStart = kCollectionHeaderSize;
    }
    ByteReader rest(image.data() + bodyStart, image.size() - bodyStart);
    if (!IsMaskedVersion(header.version)) {
        tree.LoadFromStream(rest);
        return header;
    }
    std::string body;
    MaskStream(rest, body);
    ByteReader unmasked(body);
    tree.LoadFromStream(unmasked);
    return header;
}

void WriteCollection(const QString& path, TfcTreeNodes& tree, TreeCounts counts)
{
    const std::string image = BuildCollectionImage(tree, counts);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError("Cannot create file \"" + fileText(path) + "\". " + file.errorString().toStdString());
    if (file.write(image.data(), qint64(image.size())) != qint64(image.size()) || !file.commit())
        throw FileError("Cannot write file \"" + fileText(path) + "\". " + file.errorString().toStdString());
}

CollectionHeader ReadCollection(const QString& path, TfcTreeNodes& tree)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError("Cannot open file \"" + fileText(path) + "\". " + file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError("Cannot read file \"" + fileText(path) + "\". " + file.errorString().toStdString());
    return ReadCollectionImage(std::string_view(bytes.constData(), size_t(bytes.size())), tree);
}

} // namespace tarnlink
