#include "linkcheck/check_plan.h"
#include "linkcheck/check_report.h"
#include "linkcheck/check_rules.h"
#include "linkcheck/check_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace tarnlink;

namespace {

// 0 A, 1 F{2 B local, 3 N{4 H}, 5 P locked{6 C}}, 7 D, 8 S, 9 E (no address), 10 Q protected+open{11 G}
class CheckPlanTest : public ::testing::Test {
protected:
    TfcTreeNode* link(TfcTreeNode* parent, const char* name, const char* address)
    {
        TfcTreeNode* node = tree.AddChild(parent, name);
        node->Link1 = address;
        return node;
    }
    TfcTreeNode* folder(TfcTreeNode* parent, const char* name, const char* password = "")
    {
        TfcTreeNode* node = tree.AddChild(parent, name);
        node->Kind = KindFolder;
        node->FolderPassword = password;
        return node;
    }

    void SetUp() override
    {
        link(nullptr, "A", "http://a");
        F = folder(nullptr, "F");
        B = link(F, "B", "c:\\dir\\b.html");
        TfcTreeNode* N = folder(F, "N");
        link(N, "H", "http://h");
        P = folder(F, "P", "70");
        link(P, "C", "http://c");
        link(nullptr, "D", "http://d");
        S = tree.AddChild(nullptr, "S");
        S->Kind = KindSeparator;
        link(nullptr, "E", "");
        Q = folder(nullptr, "Q", "71");
        link(Q, "G", "http://g");
        tree.Expand(Q, false);
    }

    TfcTreeNodes tree;
    TfcTreeNode *F, *B, *P, *S, *Q;
};

// (request, name, node index, progress) of every step
using Step = std::tuple<bool, std::string, int, int>;

std::vector<Step> steps(const CheckPlan& plan)
{
    std::vector<Step> out;
    for (const CheckStep& step : plan.steps) {
        out.emplace_back(step.request, step.request ? step.node.get()->Name() : "", step.nodeIndex, step.progress);
    }
    return out;
}

TEST_F(CheckPlanTest, WholeTreeSkipsLocalPathsEmptyLinksAndLockedFoldersButSearchesOpenedOnes)
{
    // P is locked and the last child of F: D after F is still found.
    EXPECT_EQ(steps(PlanWholeTree(tree)),
              (std::vector<Step>{{true, "A", 0, 0}, {true, "H", 4, 4}, {true, "D", 7, 7}, {true, "G", 11, 11}}));

    tree.Expand(P, false);
    const CheckPlan opened = PlanWholeTree(tree);
    ASSERT_EQ(opened.steps.size(), 5u);
    EXPECT_EQ(opened.steps[2].node.get()->Name(), "C");
    EXPECT_EQ(opened.steps[2].link, "http://c");
    EXPECT_EQ(opened.steps[2].nodeIndex, 6);
}

TEST_F(CheckPlanTest, SelectedNodesWalkFoldersDepthFirstAndNeverEnterProtectedOnes)
{
    for (TfcTreeNode* node : {F, Q, B, P, S})
        tree.AddToSelection(node);
    const std::vector<Step> expected{
        {true, "B", 2, 0},  {true, "H", 4, 0}, {false, "", 3, 0}, // N paces after its children
        {false, "", 5, 0},                                         // P visited, not entered
        {false, "", 1, 0},                                         // F itself
        {true, "G", 11, 1}, {false, "", 10, 1},                    // Q, protected but opened
        {true, "B", 2, 2},                                         // a selected local path is sent
        {false, "", 8, 4},                                         // the locked P paces not at all; S does
    };
    EXPECT_EQ(steps(PlanSelectedNodes(tree)), expected);

    // Opening P does not let the children walk of F into it.
    tree.Expand(P, false);
    EXPECT_EQ(steps(PlanSelectedNodes(tree))[3], (Step{false, "", 5, 0}));
}

CheckPlan oneNodeASlice(CheckWalk& walk)
{
    while (walk.advance(SliceBudget(1))) {
    }
    return walk.takePlan();
}

TEST_F(CheckPlanTest, OneNodeASliceMakesTheSamePlan)
{
    for (TfcTreeNode* node : {F, Q, B, P, S})
        tree.AddToSelection(node);
    for (const bool opened : {false, true}) {
        if (opened)
            tree.Expand(P, false);
        EXPECT_EQ(steps(oneNodeASlice(*WalkWholeTree(tree))), steps(PlanWholeTree(tree))) << opened;
        EXPECT_EQ(steps(oneNodeASlice(*WalkSelectedNodes(tree))), steps(PlanSelectedNodes(tree))) << opened;
    }
}

TEST_F(CheckPlanTest, NothingToCheck)
{
    EXPECT_TRUE(PlanSelectedNodes(tree).steps.empty());
    TfcTreeNodes empty;
    EXPECT_TRUE(PlanWholeTree(empty).steps.empty());
}

// 0 A, 1 F{2 B, 3 C, 4 G{5 H, 6 I}}, 7 D, 8 E; every link's address is its name.
struct EditTree {
    TfcTreeNodes tree;
    TfcTreeNode *A, *F, *B, *C, *G, *H, *I, *D, *E;

    EditTree()
    {
        A = link(nullptr, "A");
        F = folder(nullptr, "F");
        B = link(F, "B");
        C = link(F, "C");
        G = folder(F, "G");
        H = link(G, "H");
        I = link(G, "I");
        D = link(nullptr, "D");
        E = link(nullptr, "E");
    }
    TfcTreeNode* link(TfcTreeNode* parent, const char* name)
    {
        TfcTreeNode* node = tree.AddChild(parent, name);
        node->Link1 = name;
        return node;
    }
    TfcTreeNode* folder(TfcTreeNode* parent, const char* name)
    {
        TfcTreeNode* node = tree.AddChild(parent, name);
        node->Kind = KindFolder;
        return node;
    }
};

// The requests of a plan as "link@index".
std::vector<std::string> requests(const CheckPlan& plan)
{
    std::vector<std::string> out;
    for (const CheckStep& step : plan.steps)
        if (step.request)
            out.push_back(std::string(step.link) + "@" + std::to_string(step.nodeIndex));
    return out;
}

TEST(CheckWalkTest, KeepsItsPlaceWhileTheTreeIsEditedBetweenSlices)
{
    const struct {
        const char* what;
        std::vector<const char*> selected; // none: the whole tree
        std::string after;                 // the edit comes once this link is planned
        std::function<void(EditTree&)> edit;
        std::vector<std::string> expected;
    } cases[] = {
        {"the next node deleted: on after the last one walked",
         {}, "B", [](EditTree& t) { t.tree.Delete(t.C); }, {"A@0", "B@2", "H@4", "I@5", "D@6", "E@7"}},
        {"the folder of both deleted: on after the folder",
         {}, "B", [](EditTree& t) { t.tree.Delete(t.F); }, {"A@0", "B@2", "D@1", "E@2"}},
        {"the next node moved: the walk follows it",
         {}, "B", [](EditTree& t) { t.tree.MoveTo(t.C, t.E, 5); }, {"A@0", "B@2", "C@8"}},
        {"a node added behind: later indexes recounted",
         {}, "A", [](EditTree& t) { t.tree.AddChildFirst(nullptr, "X")->Link1 = "X"; },
         {"A@0", "B@3", "C@4", "H@6", "I@7", "D@8", "E@9"}},
        {"the folder it is in locked: the walk leaves it",
         {}, "H", [](EditTree& t) { t.G->FolderPassword = "70"; }, {"A@0", "B@2", "C@3", "H@5", "D@7", "E@8"}},
        {"the tree cleared: the walk ends",
         {}, "A", [](EditTree& t) { t.tree.Clear(); }, {"A@0"}},
        {"a node of the selected folder deleted",
         {"D", "F"}, "B", [](EditTree& t) { t.tree.Delete(t.C); }, {"D@7", "B@2", "H@4", "I@5"}},
        {"the next node moved out of the selected folder",
         {"D", "F"}, "B", [](EditTree& t) { t.tree.MoveTo(t.C, t.E, 5); }, {"D@7", "B@2", "H@4", "I@5"}},
        {"the selected folder deleted: on with the next selected node",
         {"F", "E"}, "B", [](EditTree& t) { t.tree.Delete(t.F); }, {"B@2", "E@8"}},
    };
    for (const auto& c : cases) {
        EditTree t;
        for (const char* name : c.selected)
            for (TfcTreeNode* n = t.tree.GetFirstNode(); n; n = n->GetNext())
                if (n->Name() == name)
                    t.tree.AddToSelection(n);
        const std::unique_ptr<CheckWalk> walk = c.selected.empty() ? WalkWholeTree(t.tree) : WalkSelectedNodes(t.tree);
        bool edited = false;
        while (walk->advance(SliceBudget(1))) {
            const std::vector<std::string> planned = requests(walk->plan());
            if (!edited && !planned.empty() && planned.back().starts_with(c.after + "@")) {
                c.edit(t);
                edited = true;
            }
        }
        EXPECT_TRUE(edited) << c.what;
        EXPECT_EQ(requests(walk->takePlan()), c.expected) << c.what;
    }
}

TEST(TextStoreTest, TextsStayIntactAcrossBlocks)
{
    TextStore store;
    std::vector<std::pair<std::string, std::string_view>> kept;
    for (const size_t size : {size_t(0), size_t(100), size_t(200000), size_t(300000), size_t(70000), size_t(5)})
        for (const char c : {'a', 'b'}) {
            const std::string text(size, c);
            kept.emplace_back(text, store.keep(text));
        }
    for (const auto& [text, view] : kept)
        EXPECT_EQ(view, text) << text.size();
}

TEST(CheckRules, RequestAddress)
{
    const std::pair<const char*, const char*> cases[] = {
        {"example.com/Page", "http://example.com/Page"},
        {"HTTP://Example.com/A", "HTTP://Example.com/A"},
        {"hTTpS://Example.com/B", "hTTpS://Example.com/B"},
        {"ftp://host/file", "http://ftp://host/file"},
        {"ftp://host/?u=http://x", "ftp://host/?u=http://x"}, // kept; the probe refuses the scheme
        {"c:\\dir\\file.html", "http://c:\\dir\\file.html"},
        {"", "http://"},
    };
    for (const auto& [stored, requested] : cases)
        EXPECT_EQ(RequestAddress(stored), requested) << stored;
}

TEST(CheckRules, Classification)
{
    for (const char* working : {"200", "302"})
        EXPECT_TRUE(IsWorkingStatus(working));
    for (const char* failing : {"", "201", "204", "301", "2000", "20"})
        EXPECT_FALSE(IsWorkingStatus(failing)) << failing;

    const std::pair<const char*, const char*> texts[] = {
        {"300", "Multiple Choices"}, {"301", "Moved Permanently"}, {"303", "See Other"},
        {"408", "Request Time-out"}, {"414", "Request-URL Too Long"}, {"505", "HTTP Version not supported"},
        {"", "Unknown"}, {"100", "Unknown"}, {"204", "Unknown"}, {"302", "Unknown"}, {"416", "Unknown"},
    };
    for (const auto& [status, text] : texts)
        EXPECT_STREQ(StatusErrorText(status), text) << status;
}

TEST(CheckSettingsTest, ClampedToTheDialogsRanges)
{
    const std::tuple<int, int, int, int> cases[] = {
        // threads in, delay in, threads out, delay out
        {5, 350, 5, 350}, {0, -1, 1, 0}, {-7, 0, 1, 0}, {1, 1000, 1, 1000}, {50, 999, 50, 999}, {51, 5000, 50, 1000},
    };
    for (const auto& [threads, delay, threadsOut, delayOut] : cases) {
        const CheckSettings clamped = ClampCheckSettings({true, true, threads, delay});
        EXPECT_EQ(clamped, (CheckSettings{true, true, threadsOut, delayOut})) << threads << " " << delay;
    }
    LiveCheckSettings live;
    live.set({false, true, 0, 2000});
    EXPECT_EQ(live.get(), (CheckSettings{false, true, 1, 1000}));
}

TEST(CheckReport, EveryRowIsOneLineOfFourFields)
{
    const struct {
        CheckRow row;
        QString line;
    } cases[] = {
        {{"Name", "http://a/", "Not Found", "404", -1, {}}, "Name\thttp://a/\tNot Found\t404"},
        {{"", "host", "Unknown", "", -1, {}}, "\thost\tUnknown\t"},
        {{"two\tparts", "http://a/\r\nX-Injected: 1", "Unknown", "", -1, {}}, "two parts\thttp://a/  X-Injected: 1\tUnknown\t"},
        {{"line\nbreak\r", "a\tb", "See\tOther", "30\r3", -1, {}}, "line break \ta b\tSee Other\t30 3"},
        {{"Grüße €", "http://ü.example/", "Nicht gefunden", "404", -1, {}}, "Grüße €\thttp://ü.example/\tNicht gefunden\t404"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReportLine(c.row), c.line) << c.line.toStdString();
}

} // namespace
