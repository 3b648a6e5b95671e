#include "capture/duplicate_index.h"
#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarnlink;

namespace {

TfcTreeNode* add(TfcTreeNodes& tree, TfcTreeNode* parent, const std::string& name, std::string link1 = {},
                 std::string link2 = {}, int kind = KindLink)
{
    TfcTreeNode* node = tree.AddChild(parent, name);
    node->Kind = kind;
    node->Link1 = std::move(link1);
    node->Link2 = std::move(link2);
    return node;
}

// The walk the add dialog makes for one address.
TfcTreeNode* plainWalk(const TfcTreeNodes& tree, const std::string& address)
{
    const std::string key = DuplicateKey(address);
    if (key.empty())
        return nullptr;
    const auto holds = [&](const std::string& text) { return codepage::lower(text).find(key) != std::string::npos; };
    for (TfcTreeNode* node = tree.GetFirstNode(); node; node = node->GetNextUnlocked())
        if (!node->IsFolder() && (holds(node->Link1) || holds(node->Link2)))
            return node;
    return nullptr;
}

std::string nameOf(const TfcTreeNode* node)
{
    return node ? node->Name() : "-";
}

} // namespace

TEST(DuplicateIndex, AgreesWithAPlainWalk)
{
    TfcTreeNodes tree;
    TfcTreeNode* folder = add(tree, nullptr, "folder", "http://folder.example/", {}, KindFolder);
    add(tree, folder, "mirror", "http://a.example/", "https://www.mirror.example/Files/Big.zip");
    add(tree, folder, "caps", "HTTP://WWW.CAPS.EXAMPLE/Path");
    TfcTreeNode* locked = add(tree, nullptr, "locked", {}, {}, KindFolder);
    locked->FolderPassword = "secret";
    add(tree, locked, "hidden", "http://hidden.example/");
    TfcTreeNode* open = add(tree, nullptr, "open", {}, {}, KindFolder);
    open->FolderPassword = "secret";
    add(tree, open, "inside", "http://inside.example/");
    open->Expand(false);
    add(tree, nullptr, "unicode", "http://\xC3\x89" "cole.example/Stra\xC3\x9F" "e");
    add(tree, nullptr, "first", "http://www.twice.example/a/b");
    add(tree, nullptr, "second", "http://www.twice.example/a");

    const struct {
        std::string address;
        std::string expected;
    } cases[] = {
        {"http://www.mirror.example/files", "mirror"},          // in Link2, another scheme, any case
        {"www.caps.example/path", "caps"},                      // no "//": the whole address
        {"http://hidden.example/", "-"},                        // a locked folder's links are skipped
        {"http://inside.example/", "inside"},                   // an opened one's are not
        {"http://folder.example/", "-"},                        // folders never match
        {"http://\xC3\xA9" "cole.example/STRASSE", "-"},        // lowered, not folded
        {"http://\xC3\xA9" "cole.example/stra\xC3\x9F", "unicode"},
        {"http://www.twice.example/a", "first"},                // the first in the walk
        {"http://www.twice.example/a/b/c", "-"},
        {"http://", "-"},                                       // a scheme alone, or nothing
        {"https://  ", "-"},
        {"", "-"},
        {"  a.example/  ", "mirror"},                           // trimmed
    };
    std::vector<std::string> addresses;
    for (const auto& c : cases)
        addresses.push_back(c.address);
    addresses.push_back(cases[0].address); // the same address twice gets the same answer
    DuplicateIndex index(addresses);
    index.scan(tree);
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(nameOf(index.duplicate(i)), cases[i].expected) << cases[i].address;
        EXPECT_EQ(nameOf(plainWalk(tree, cases[i].address)), cases[i].expected) << cases[i].address;
    }
    EXPECT_EQ(nameOf(index.duplicate(std::size(cases))), "mirror");
}

// Keys that are prefixes, suffixes and inner parts of each other, over a small alphabet, are
// where a wrong failure or output link of the automaton shows.
TEST(DuplicateIndex, AgreesWithAPlainWalkOnOverlappingAddresses)
{
    std::mt19937 random(17);
    const auto text = [&](int maxLength) {
        static const char alphabet[] = "abAB./";
        std::string s(1 + random() % maxLength, ' ');
        for (char& c : s)
            c = alphabet[random() % 6];
        return s;
    };
    for (int round = 0; round < 20; ++round) {
        TfcTreeNodes tree;
        for (int i = 0; i < 60; ++i)
            add(tree, nullptr, std::to_string(i), text(12), random() % 3 ? std::string() : text(12));
        std::vector<std::string> addresses;
        for (int i = 0; i < 80; ++i)
            addresses.push_back((random() % 2 ? "http://" : "") + text(5));
        DuplicateIndex index(addresses);
        index.scan(tree);
        for (size_t i = 0; i < addresses.size(); ++i)
            ASSERT_EQ(index.duplicate(i), plainWalk(tree, addresses[i])) << addresses[i];
    }
}

TEST(DuplicateIndex, LinksAddedLaterCount)
{
    TfcTreeNodes tree;
    TfcTreeNode* locked = add(tree, nullptr, "locked", {}, {}, KindFolder);
    locked->FolderPassword = "secret";
    DuplicateIndex index({"www.a.example", "www.b.example", "www.c.example"});
    index.scan(tree);

    index.noteAdded(*add(tree, locked, "hidden", "http://www.a.example/"));
    index.noteAdded(*add(tree, nullptr, "folder", "http://www.a.example/", {}, KindFolder));
    EXPECT_EQ(index.duplicate(0), nullptr);

    TfcTreeNode* b = add(tree, nullptr, "b", "http://www.b.example/", "www.a.example");
    index.noteAdded(*b);
    EXPECT_EQ(index.duplicate(0), b);
    EXPECT_EQ(index.duplicate(1), b);
    EXPECT_EQ(index.duplicate(2), nullptr);

    // A deleted holder gives way to the next link that holds the address.
    tree.Delete(b);
    EXPECT_EQ(index.duplicate(1), nullptr);
    TfcTreeNode* again = add(tree, nullptr, "again", "www.b.example");
    index.noteAdded(*again);
    EXPECT_EQ(index.duplicate(1), again);
}
