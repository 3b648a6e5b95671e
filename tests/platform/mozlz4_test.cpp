#include "mozlz4_fixture.h"
#include "platform/mozlz4.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;
using test::MozLz4;
using test::MozLz4WithSize;

namespace {

QByteArray sampleContents()
{
    QByteArray text;
    for (int i = 0; i < 2000; ++i)
        text += "{\"url\":\"https://example.org/page/" + QByteArray::number(i) + "\"},";
    return text;
}

} // namespace

TEST(MozLz4, DecodesWhatFirefoxWrites)
{
    const QByteArray contents = sampleContents();
    EXPECT_EQ(DecodeMozLz4(MozLz4(contents)), contents);
    EXPECT_EQ(DecodeMozLz4(MozLz4("")), QByteArray());
}

TEST(MozLz4, DamageGivesNoData)
{
    const QByteArray contents = sampleContents();
    const QByteArray good = MozLz4(contents);
    QByteArray wrongMagic = good;
    wrongMagic[6] = '1';
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"header only", good.left(12)},
        {"cut header", good.left(10)},
        {"wrong magic", wrongMagic},
        {"cut block", good.left(good.size() / 2)},
        {"size field too small", MozLz4WithSize(contents, uint32_t(contents.size() - 1))},
        {"size field too large", MozLz4WithSize(contents, uint32_t(contents.size() + 1))},
        // Claims more than 255 bytes per byte of block: no allocation of the claimed size.
        {"size beyond the block", MozLz4WithSize("abc", 0x00100000)},
        {"size beyond the limit", MozLz4WithSize(contents, 64 * 1024 * 1024 + 1)},
        {"size field 4 GiB", MozLz4WithSize(contents, 0xFFFFFFFF)},
        {"garbage block", QByteArray("mozLz40", 8) + QByteArray("\x10\0\0\0", 4) + QByteArray(40, '\xFF')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeMozLz4(c.bytes), std::nullopt) << c.what;
}

TEST(MozLz4, ReadsFilesOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("recovery.jsonlz4");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(MozLz4("{}"));
    file.close();

    EXPECT_EQ(ReadMozLz4File(path), QByteArray("{}"));
    EXPECT_EQ(ReadMozLz4File(dir.filePath("missing")), std::nullopt);
    EXPECT_EQ(ReadMozLz4File(dir.path()), std::nullopt);
}
