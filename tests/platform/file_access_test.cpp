#include "platform/file_access.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tarnlink;

namespace {

// The error of type E that call throws, or a failure when it throws none.
template <typename E = FileError, typename Call>
E errorOf(Call&& call)
{
    try {
        call();
    } catch (const E& e) {
        return e;
    }
    ADD_FAILURE() << "no error";
    return E("none");
}

TEST(UserFile, ReadsRegularFilesAndRefusesEverythingElseAtOnce)
{
    QTemporaryDir dir;
    const QString text = dir.filePath("a.txt"), fifo = dir.filePath("fifo"), big = dir.filePath("big");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("abc");
    file.close();
    EXPECT_EQ(ReadUserFile(text, 3), "abc");

    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile sparse(big);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(kMaxDataFileBytes + 1));
    sparse.close();
    const struct {
        QString path;
        qint64 cap;
        std::string cause;
    } refused[] = {
        {text, 2, "File is larger than 2 bytes"},
        {big, kMaxDataFileBytes, "File is larger than 2 GiB"},
        {dir.filePath("b.txt"), 16, "No such file or directory"},
        {dir.path(), 16, "Is a directory"},
        {fifo, 16, "Not a regular file"},  // never waits for a writer
        {"/dev/zero", kMaxTextFileBytes, "Not a regular file"},
    };
    for (const auto& c : refused) {
        const FileError e = errorOf([&] { ReadUserFile(c.path, c.cap); });
        EXPECT_STREQ(e.what(), "Cannot open file");
        EXPECT_EQ(e.detail(), c.path.toStdString() + ": " + c.cause);
        EXPECT_EQ(e.fullText(), "Cannot open file: " + e.detail());
    }
}

TEST(UserFile, WriteAllRetriesAShortWriteToNameTheCause)
{
    // Takes at most four bytes at a time and then fails, as a disk filling up does.
    class Filling : public QIODevice {
    public:
        Filling() { open(QIODevice::WriteOnly); }
        QByteArray written;

    protected:
        qint64 readData(char*, qint64) override { return -1; }
        qint64 writeData(const char* data, qint64 size) override
        {
            if (written.size() >= 6) {
                setErrorString("No space left on device");
                return -1;
            }
            const qint64 n = std::min<qint64>(size, 4);
            written.append(data, n);
            return n;
        }
    };
    Filling device;
    WriteAll(device, "/x/f", "abcdef");
    EXPECT_EQ(device.written, "abcdef");
    const FileError e = errorOf([&] { WriteAll(device, "/x/f", "more"); });
    EXPECT_STREQ(e.what(), "Cannot write file");
    EXPECT_EQ(e.detail(), "/x/f: No space left on device");
}

TEST(UserFile, NamingFileAddsThePathOnlyWhereNoneIsGiven)
{
    const StreamReadError damaged = errorOf<StreamReadError>([] { NamingFile("/a/c.tlk", [] { throw StreamReadError(); }); });
    EXPECT_STREQ(damaged.what(), "Stream read error");
    EXPECT_EQ(damaged.detail(), "/a/c.tlk");
    const FileError named = errorOf([] { NamingFile("/a/c.tlk", [] { throw FileError("Cannot open file", "/b: cause"); }); });
    EXPECT_EQ(named.detail(), "/b: cause");
    EXPECT_EQ(NamingFile("/a", [] { return 7; }), 7);
}

} // namespace
