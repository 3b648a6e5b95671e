#include "ui/linkcheck/check_result_model.h"

#include "linkcheck/check_report.h"
#include "platform/codepage.h"
#include "ui/kit/icons.h"
#include "ui/kit/translate.h"

namespace tarnlink {

int CheckResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CheckResultModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CheckResultModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const CheckRow& row = rows_[size_t(index.row())];
    if (role == Qt::DecorationRole && index.column() == NameColumn)
        return images::treeImage(kRowImage);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case NameColumn:
        return OnOneLine(row.name);
    case LinkColumn:
        return OnOneLine(row.link);
    case ErrorColumn:
        return row.error;
    case CodeColumn:
        return row.code;
    }
    return {};
}

QVariant CheckResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return Translate("Name");
    case LinkColumn:
        return Translate("Link");
    case ErrorColumn:
        return Translate("Error");
    case CodeColumn:
        return Translate("Code");
    }
    return {};
}

TfcTreeNode* CheckResultModel::nodeAt(int row) const
{
    return row >= 0 && row < rowCount() ? rows_[size_t(row)].node.get() : nullptr;
}

std::vector<NodeHandle> CheckResultModel::nodes() const
{
    std::vector<NodeHandle> nodes;
    nodes.reserve(rows_.size());
    for (const CheckRow& row : rows_)
        nodes.push_back(row.node);
    return nodes;
}

void CheckResultModel::append(std::vector<CheckRow> rows)
{
    std::erase_if(rows, [](const CheckRow& row) { return !row.node; });
    if (rows.empty())
        return;
    const int at = rowCount();
    beginInsertRows({}, at, at + int(rows.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
}

void CheckResultModel::clear()
{
    if (rows_.empty())
        return;
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void CheckResultModel::dropDeleted()
{
    // From the end, one removal for each run of rows whose node is gone.
    for (int last = rowCount() - 1; last >= 0;) {
        if (rows_[size_t(last)].node) {
            --last;
            continue;
        }
        int first = last;
        while (first > 0 && !rows_[size_t(first - 1)].node)
            --first;
        beginRemoveRows({}, first, last);
        rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
        endRemoveRows();
        last = first - 1;
    }
}

void CheckResultModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

std::string CheckResultModel::report() const
{
    std::string text;
    for (const CheckRow& row : rows_)
        text += codepage::fromDisplay(ReportLine(row)) + "\r\n";
    return text;
}

} // namespace tarnlink
