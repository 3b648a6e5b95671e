#include "ui/kit/link_drop.h"

#include <QMimeData>

#include <gtest/gtest.h>

#include <memory>

using namespace tarnlink;

namespace {

QByteArray utf16(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

struct DropCase {
    const char* what;
    QString format;
    QByteArray bytes;
    QString title;   // expected
    QString address; // expected; empty: refused
};

TEST(LinkDrop, TheFormatsBrowsersAndFileManagersDrag)
{
    const DropCase cases[] = {
        {"moz url with title", "text/x-moz-url", utf16("https://a.example/x\nPage A"), "Page A", "https://a.example/x"},
        {"moz url with BOM", "text/x-moz-url", utf16(QString(QChar(0xFEFF)) + "http://b.example/\r\nB"), "B",
         "http://b.example/"},
        {"netscape", "_NETSCAPE_URL", "http://c.example/\nC", "C", "http://c.example/"},
        {"uri list skips comments", "text/uri-list", "# dragged\r\nfile:///home/u/d.html\r\nhttp://e.example/\r\n", "",
         "file:///home/u/d.html"},
        {"one address as text", "text/plain", "  www.f.example/path  ", "", "www.f.example/path"},
        {"a sentence is no link", "text/plain", "see http://g.example/ today", "", ""},
        {"empty moz url", "text/x-moz-url", utf16("\n"), "", ""},
        {"an image", "image/png", "\x89PNG", "", ""},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.what);
        QMimeData data;
        data.setData(c.format, c.bytes);
        const auto link = DroppedLinkOf(data);
        EXPECT_EQ(CarriesLink(data), !c.address.isEmpty());
        if (c.address.isEmpty())
            continue;
        ASSERT_TRUE(link);
        EXPECT_EQ(link->title.toStdString(), c.title.toStdString());
        EXPECT_EQ(link->address.toStdString(), c.address.toStdString());
    }
}

TEST(LinkDrop, ALinkDraggedOutReadsBackInEveryFormat)
{
    std::unique_ptr<QMimeData> data(LinkMimeData("Ünï title", "https://x.example/a?b=1"));
    const auto link = DroppedLinkOf(*data);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->title.toStdString(), "Ünï title");
    EXPECT_EQ(link->address.toStdString(), "https://x.example/a?b=1");
    EXPECT_EQ(data->data("text/uri-list"), "https://x.example/a?b=1\r\n");
    EXPECT_EQ(data->text(), "https://x.example/a?b=1");
}

} // namespace
