#include "capture/capture_run.h"
#include "capture/link_recognition.h"

#include <gtest/gtest.h>

using namespace tarnlink;

TEST(LinkRecognition, AddressWordsInTheirOrder)
{
    const struct {
        const char* text;
        QStringList exclusions;
        QStringList expected;
    } cases[] = {
        {"See www.example.com/Docs or write to John.Doe@example.com today", {}, {"www.example.com/Docs"}},
        {"http://a.example/one\r\nhttp://b.example/two\n", {}, {"http://a.example/one", "http://b.example/two"}},
        {"\thttp://a.example/one\rwww.b.example\t\t", {}, {"http://a.example/one", "www.b.example"}},
        // Scheme and host are lowered, the path keeps its case.
        {"HTTP://WWW.Example.COM/Watch?V=AbC", {}, {"http://www.example.com/Watch?V=AbC"}},
        {"https://example.org/Page", {}, {"https://example.org/Page"}},
        {"mail.RU/x news.net shop.com", {}, {"mail.ru/x", "news.net", "shop.com"}},
        // None of the markers, or an "@" anywhere.
        {"example.org ftp://example.org hello", {}, {}},
        {"http://user@host.example/", {}, {}},
        {"", {}, {}},
        // An exclusion line matches anywhere in the word, in any case; an empty one excludes nothing.
        {"www.site.com/ads/banner www.site.com/news", {"", "ADS"}, {"www.site.com/news"}},
        {"www.site.com/news", {""}, {"www.site.com/news"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecognizeAddresses(QString::fromUtf8(c.text), c.exclusions), c.expected) << c.text;
}

namespace {

TfcTreeNode* addLink(TfcTreeNodes& tree, const std::string& link)
{
    TfcTreeNode* node = tree.AddChild(nullptr, link);
    node->Link1 = link;
    return node;
}

// Runs the loop the window runs; cancel names addresses whose dialog the user cancels.
QStringList drive(CaptureRun& run, TfcTreeNodes& tree, AddStep expectedStep, const QStringList& cancel = {})
{
    QStringList handled;
    while (const auto link = run.next()) {
        EXPECT_EQ(link->step, expectedStep) << link->address.toStdString();
        handled << link->address;
        run.added(cancel.contains(link->address) ? nullptr : addLink(tree, link->address.toStdString()));
    }
    return handled;
}

} // namespace

TEST(CaptureRun, SilentAddOnlyWhenTheMonitorMayAddSilently)
{
    TfcTreeNodes tree;
    CaptureRun silent("www.a.com", {{}, true, true}, tree);
    EXPECT_EQ(drive(silent, tree, AddStep::QuickAddLink), QStringList{"www.a.com"});
    CaptureRun dialog("www.b.com", {{}, true, false}, tree);
    EXPECT_EQ(drive(dialog, tree, AddStep::AddUrl), QStringList{"www.b.com"});
}

TEST(CaptureRun, UniqueUrlSkipsWhatTheTreeOrTheRunAlreadyHolds)
{
    {
        TfcTreeNodes tree;
        addLink(tree, "https://OLD.example/page/2");
        CaptureRun run("http://old.example/page www.new.com/more http://www.new.com", {{}, true, true}, tree);
        EXPECT_EQ(drive(run, tree, AddStep::QuickAddLink), QStringList{"www.new.com/more"});
    }
    {
        // A cancelled dialog adds nothing, so the same address is offered again.
        TfcTreeNodes tree;
        CaptureRun run("www.a.com www.a.com", {{}, true, false}, tree);
        EXPECT_EQ(drive(run, tree, AddStep::AddUrl, {"www.a.com"}), (QStringList{"www.a.com", "www.a.com"}));
    }
    {
        TfcTreeNodes tree;
        addLink(tree, "http://old.example/page");
        CaptureRun run("http://old.example/page http://old.example/page", {{}, false, true}, tree);
        EXPECT_EQ(drive(run, tree, AddStep::QuickAddLink).size(), 2);
    }
}
