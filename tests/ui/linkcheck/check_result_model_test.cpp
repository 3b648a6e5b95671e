// The check window's rows on their own: columns, the fixed image, rows whose node goes away, and
// the report's bytes.

#include "gui_test_support.h"

#include "ui/kit/icons.h"
#include "ui/linkcheck/check_result_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

class CheckResultModelTest : public ::testing::Test {
protected:
    void SetUp() override { ensureApp(); }

    CheckRow row(const char* name, const char* error = "Not Found", const char* code = "404")
    {
        TfcTreeNode* node = addLink(tree, nullptr, name, "http://example.com/");
        return {QString::fromUtf8(name), QStringLiteral("http://example.com/") + name, error, code, node->AbsoluteIndex(),
                node->Handle()};
    }
    QStringList names() const
    {
        QStringList names;
        for (int r = 0; r < model.rowCount(); ++r)
            names << model.index(r, CheckResultModel::NameColumn).data().toString();
        return names;
    }

    TfcTreeNodes tree;
    CheckResultModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(CheckResultModelTest, FourColumnsAndTheFixedImage)
{
    model.append({row("Gone\tfor\ngood", "Unknown", "")});
    ASSERT_EQ(model.rowCount(), 1);
    ASSERT_EQ(model.columnCount(), 4);
    QStringList headers, cells;
    for (int c = 0; c < 4; ++c) {
        headers << model.headerData(c, Qt::Horizontal).toString();
        cells << model.index(0, c).data().toString();
    }
    EXPECT_EQ(headers, (QStringList{"Name", "Link", "Error", "Code"}));
    // A name with tabs and line breaks stays on its row.
    EXPECT_EQ(cells, (QStringList{"Gone for good", "http://example.com/Gone for good", "Unknown", ""}));
    const QIcon image = model.index(0, CheckResultModel::NameColumn).data(Qt::DecorationRole).value<QIcon>();
    EXPECT_EQ(image.cacheKey(), images::treeImage(6).cacheKey());
    EXPECT_FALSE(model.index(0, CheckResultModel::LinkColumn).data(Qt::DecorationRole).isValid());
    EXPECT_FALSE(model.index(0, 0, model.index(0, 0)).isValid()); // a list, no children
}

TEST_F(CheckResultModelTest, RowsWhoseNodeIsDeletedAreDroppedInRuns)
{
    model.append({row("a"), row("b"), row("c"), row("d"), row("e"), row("f")});
    QSignalSpy removals(&model, &QAbstractItemModel::rowsRemoved);
    for (int index : {5, 3, 2, 0}) // f, d, c, a
        tree.Delete(tree.NodeAt(index));
    EXPECT_EQ(model.nodeAt(0), nullptr);
    model.dropDeleted();
    EXPECT_EQ(names(), (QStringList{"b", "e"}));
    EXPECT_EQ(removals.count(), 3); // f, then c and d together, then a
    EXPECT_EQ(model.nodeAt(1)->Name(), "e");
    EXPECT_EQ(model.nodeAt(2), nullptr);

    // A row reported for a node deleted before it was shown is not shown at all.
    const CheckRow late = row("late");
    tree.Delete(late.node.get());
    model.append({late, row("g")});
    EXPECT_EQ(names(), (QStringList{"b", "e", "g"}));

    model.clear();
    EXPECT_TRUE(model.empty());
    model.dropDeleted(); // nothing to do on an empty list
}

TEST_F(CheckResultModelTest, ReportOfTwoRowsByteForByte)
{
    EXPECT_EQ(model.report(), "");
    model.append({row("Ünïcode page"), row("No answer", "Unknown", "")});
    EXPECT_EQ(model.report(), "Ünïcode page\thttp://example.com/Ünïcode page\tNot Found\t404\r\n"
                              "No answer\thttp://example.com/No answer\tUnknown\t\r\n");
}

} // namespace
