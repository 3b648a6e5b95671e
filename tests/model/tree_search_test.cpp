#include "model/tree_search.h"
#include "tree_shape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

// Upper case for the test: ASCII letters, "ä" and "ß" (which becomes "SS"); counts its calls so
// the tests see which fields took the slow path.
int upperCalls = 0;
std::string testUpper(std::string_view bytes)
{
    ++upperCalls;
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const std::string_view rest = bytes.substr(i);
        if (rest.starts_with("\xC3\xA4")) {
            out += "\xC3\x84";
            ++i;
        } else if (rest.starts_with("\xC3\x9F")) {
            out += "SS";
            ++i;
        } else {
            const char c = bytes[i];
            out += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
        }
    }
    return out;
}

SearchQuery query(std::string text, bool includeStart = true, bool fromBeginning = true, bool forward = true)
{
    SearchQuery q;
    q.text = std::move(text);
    q.includeStart = includeStart;
    q.fromBeginning = fromBeginning;
    q.forward = forward;
    return q;
}

// Work[Mail Wiki] Vault(locked)[Secret] Home
struct SearchTest : ::testing::Test {
    TfcTreeNodes tree;
    TfcTreeNode *work, *mail, *wiki, *vault, *secret, *home;
    void SetUp() override
    {
        upperCalls = 0;
        work = folder(tree, nullptr, "Work");
        mail = link(tree, work, "Mail", "http://mail.example.com/");
        wiki = link(tree, work, "Wiki", "http://wiki.example.com/");
        vault = lockedFolder(tree, nullptr, "Vault");
        secret = link(tree, vault, "Secret page", "http://secret.example.com/");
        home = link(tree, nullptr, "Home", "http://home.example.com/");
    }
    TfcTreeNode* find(const SearchQuery& q) { return SearchTree(tree, q, testUpper); }
};

TEST_F(SearchTest, LowerCaseTextFindsCapitalsInNamesAndAddresses)
{
    EXPECT_EQ(find(query("WIKI")), wiki);
    mail->Login = "wiki-admin";
    EXPECT_EQ(find(query("WIKI-A")), mail);
    EXPECT_EQ(find(query("HOME.EXAMPLE")), home);
    EXPECT_EQ(upperCalls, 0) << "plain ASCII fields are compared without converting them";
}

TEST_F(SearchTest, FieldChoices)
{
    home->Link2 = "http://only-in-link2.example/";
    work->Description = "Tools";
    wiki->Password = "tools-secret";
    SearchQuery q = query("TOOLS");
    EXPECT_EQ(find(query("ONLY-IN-LINK2")), nullptr);
    EXPECT_EQ(find(q), work);

    q.fields = {false, false, false, false, false, true}; // only Password
    EXPECT_EQ(find(q), wiki) << "a folder is never found by a password box";
    q.text = "WORK";
    EXPECT_EQ(find(q), nullptr) << "nor by its name when Name is off";
    q.fields.name = true;
    EXPECT_EQ(find(q), work);
    q.fields = {true, false, false, false, false, false}; // All overrides the five boxes
    EXPECT_EQ(find(q), work);
    EXPECT_EQ(find(query("")), nullptr);
}

TEST_F(SearchTest, StartAndDirection)
{
    // From the beginning the first top-level node is tested first; backward nothing precedes it.
    EXPECT_EQ(find(query("W")), work);
    EXPECT_EQ(find(query("I", true, true, false)), nullptr);
    EXPECT_EQ(find(query("W", true, true, false)), work);

    // Find next without a selection starts at the first node and skips it.
    EXPECT_EQ(find(query("W", false, false)), wiki);
    tree.Select(wiki);
    EXPECT_EQ(find(query("I", true, false)), wiki);
    EXPECT_EQ(find(query("HOME", false, false)), home) << "from the current position, after it";
    EXPECT_EQ(find(query("I", false, false, false)), mail);
    tree.Select(home);
    EXPECT_EQ(find(query("I", false, false)), nullptr) << "never wraps around";
    EXPECT_EQ(find(query("WORK", false, false, false)), work);
}

TEST_F(SearchTest, LockedFoldersAreNotEnteredEitherWay)
{
    EXPECT_EQ(find(query("SECRET")), nullptr);
    tree.Select(home);
    EXPECT_EQ(find(query("SECRET", false, false, false)), nullptr);
    EXPECT_EQ(find(query("VAULT", false, false, false)), vault) << "the folder itself is tested";
    EXPECT_EQ(find(query("I", false, false, false)), wiki) << "backward over the locked folder";

    // A selected locked folder is not entered by the first step either.
    tree.Select(vault);
    EXPECT_EQ(find(query("E", false, false)), home);

    tree.Expand(vault, false);
    EXPECT_EQ(find(query("SECRET")), secret);
    tree.Select(home);
    EXPECT_EQ(find(query("SECRET", false, false, false)), secret);
}

TEST_F(SearchTest, ALockedLastChildDoesNotEndTheWalk)
{
    TfcTreeNode* inner = lockedFolder(tree, work, "Inner");
    link(tree, inner, "Hidden match");
    EXPECT_EQ(find(query("MATCH")), nullptr);
    home->Description = "match after";
    EXPECT_EQ(find(query("MATCH")), home);
}

// A node left selected inside a folder that was locked again is searched from that folder.
TEST_F(SearchTest, ASelectionInsideALockedFolderDoesNotOpenIt)
{
    link(tree, vault, "Second secret");
    tree.Select(secret);
    EXPECT_EQ(find(query("SECRET", false, false)), nullptr);
    EXPECT_EQ(find(query("E", false, false, false)), wiki);
    EXPECT_EQ(find(query("VAULT", true, false)), vault);
}

TEST_F(SearchTest, FieldsBeyondAsciiAreUpperCasedByTheLocaleRules)
{
    home->SetName("Straße");
    wiki->Description = "\xE4rger";  // Windows-1252, not UTF-8: left to the conversion as it is
    EXPECT_EQ(find(query("STRASSE")), home);
    EXPECT_EQ(find(query("STRA")), home) << "an ASCII hit needs no conversion";
    EXPECT_EQ(find(query("\xC3\x84" "RGER")), nullptr);
    mail->SetName("\xC3\xA4rger");
    EXPECT_EQ(find(query("\xC3\x84" "RGER")), mail);
    upperCalls = 0;
    EXPECT_EQ(find(query("\xC3\x84")), mail);
    EXPECT_EQ(upperCalls, 1) << "a key beyond ASCII skips every plain ASCII field";

    for (auto [field, key, found] : std::vector<std::tuple<std::string, std::string, bool>>{
             {"ab", "ABC", false}, {"xabc", "ABC", true}, {"abab", "BAB", true}, {"aBc", "ABC", true}, {"", "A", false}})
        EXPECT_EQ(ContainsUpper(field, key, testUpper), found) << field << " / " << key;
}

// The search as a plain walk of the tree's pointers, which the search must agree with whatever it
// keeps of the tree between calls.
TfcTreeNode* walkSearch(const TfcTreeNodes& tree, const SearchQuery& q)
{
    auto has = [&](bool box, const std::string& field) {
        return (q.fields.all || box) && ContainsUpper(field, q.text, testUpper);
    };
    auto hit = [&](const TfcTreeNode* n) {
        return has(q.fields.name, n->Name()) || has(q.fields.description, n->Description)
               || (n->IsLink()
                   && (has(q.fields.link, n->Link1) || has(q.fields.login, n->Login) || has(q.fields.password, n->Password)));
    };
    TfcTreeNode* n = tree.GetFirstNode();
    if (!n || q.text.empty())
        return nullptr;
    if (!q.fromBeginning && tree.Selected()) {
        n = tree.Selected();
        for (TfcTreeNode* p = n->Parent(); p; p = p->Parent())
            if (p->IsLocked())
                n = p;
    }
    auto step = [&](const TfcTreeNode* x) { return q.forward ? x->GetNextUnlocked() : x->GetPrevUnlocked(); };
    for (n = q.includeStart ? n : step(n); n; n = step(n))
        if (hit(n))
            return n;
    return nullptr;
}

TfcTreeNode* anyNode(const TfcTreeNodes& tree, std::mt19937& rng)
{
    std::vector<TfcTreeNode*> nodes;
    for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
        nodes.push_back(n);
    return nodes.empty() ? nullptr : nodes[rng() % nodes.size()];
}

// Searches of every kind, from every start (inside locked folders too), between edits of the
// structure, of the locks and of the fields, and between searches that change nothing.
TEST(SearchTreeTest, AgreesWithThePlainWalkAcrossEdits)
{
    std::mt19937 rng(12);
    const std::vector<std::function<void(TfcTreeNodes&)>> edits{
        [&](TfcTreeNodes&) {},
        [&](TfcTreeNodes& t) {
            TfcTreeNode* n = anyNode(t, rng);
            t.AddChild(n && n->IsFolder() ? n : nullptr, "cab");
        },
        [&](TfcTreeNodes& t) { t.Insert(anyNode(t, rng), "Bc"); },
        [&](TfcTreeNodes& t) { t.Delete(anyNode(t, rng)); },
        [&](TfcTreeNodes& t) { t.MoveTo(anyNode(t, rng), anyNode(t, rng), int(rng() % 6)); },
        [&](TfcTreeNodes& t) {
            TfcTreeNode* n = anyNode(t, rng);
            TfcTreeNode* parent = n ? n->Parent() : nullptr;
            std::vector<TfcTreeNode*> order;
            for (int i = 0; i < (parent ? parent->ChildCount() : t.TopLevelCount()); ++i)
                order.push_back(parent ? parent->Item(i) : t.TopLevelItem(i));
            std::shuffle(order.begin(), order.end(), rng);
            t.ReorderChildren(parent, order);
        },
        [&](TfcTreeNodes& t) {
            if (TfcTreeNode* n = anyNode(t, rng))
                n->Expanded() ? t.Collapse(n, false) : void(t.Expand(n, false));
        },
        [&](TfcTreeNodes& t) {
            if (TfcTreeNode* n = anyNode(t, rng))
                n->SetName(n->Name() + "ab");
        },
        [&](TfcTreeNodes& t) { t.Select(anyNode(t, rng)); },
        [&](TfcTreeNodes& t) {
            if (rng() % 10 == 0)
                t.Clear();
        },
    };
    const std::vector<std::string> keys{"A", "B", "AB", "CA", "BAC", "D"};
    for (int round = 0; round < 120; ++round) {
        TfcTreeNodes tree;
        randomTree(tree, rng, int(rng() % 40));
        for (int turn = 0; turn < 40; ++turn) {
            SearchQuery q = query(keys[rng() % keys.size()], rng() % 2, rng() % 3 == 0, rng() % 2);
            if (rng() % 2)
                q.fields = {false, bool(rng() % 2), bool(rng() % 2), bool(rng() % 2), bool(rng() % 2), bool(rng() % 2)};
            ASSERT_EQ(SearchTree(tree, q, testUpper), walkSearch(tree, q))
                << "round " << round << ", turn " << turn << ": " << shape(tree);
            edits[rng() % edits.size()](tree);
        }
    }
}

// A tree large enough for the search to share its walk among threads, with locked folders that
// straddle the places where the parts meet: found exactly as the plain walk finds them, from
// any start, in both directions, with no match at all too.
TEST(SearchTreeTest, TheSharedWalkOfALargeTreeAgreesWithThePlainWalk)
{
    std::mt19937 rng(5);
    TfcTreeNodes tree;
    randomTree(tree, rng, 300000);
    std::vector<TfcTreeNode*> nodes;
    for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNext())
        nodes.push_back(n);
    std::vector<TfcTreeNode*> shown;
    for (TfcTreeNode* n = tree.GetFirstNode(); n; n = n->GetNextUnlocked())
        shown.push_back(n);
    // Marks everywhere in locked folders, in sight only in the last tenth of the tree: a part
    // that started inside a locked folder, or in the wrong place, would find one of the first.
    for (size_t i = 0, s = 0; i < nodes.size(); ++i) {
        const bool inSight = s < shown.size() && shown[s] == nodes[i];
        s += inSight;
        if (rng() % 20 == 0 && !(inSight && i < nodes.size() * 9 / 10))
            nodes[i]->Description = "xyzzy";
    }
    for (int turn = 0; turn < 40; ++turn) {
        const SearchQuery q = query(turn % 4 ? "XYZZY" : "NOWHERE", rng() % 2, turn % 5 == 0, rng() % 2);
        tree.Select(nodes[rng() % nodes.size()]);
        ASSERT_EQ(SearchTree(tree, q, testUpper), walkSearch(tree, q)) << "turn " << turn;
    }
}

} // namespace
