#pragma once

// The rows of the check window's list: one per link that does not work, in the order the workers
// reported them. A row holds its node by handle, so whatever the tree went through since, it
// leads to its own node or to none; rows whose node was deleted are dropped.

#include "linkcheck/check_listener.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace tarnlink {

class CheckResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, LinkColumn, ErrorColumn, CodeColumn, ColumnCount };
    // Every row shows this image of the tree's image list.
    static constexpr int kRowImage = 6;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    bool empty() const { return rows_.empty(); }
    const std::vector<CheckRow>& rows() const { return rows_; }
    // The row's node; null once the node is deleted.
    TfcTreeNode* nodeAt(int row) const;
    std::vector<NodeHandle> nodes() const;

    // At the end, in one insertion; rows whose node is gone already are left out.
    void append(std::vector<CheckRow> rows);
    void clear();
    void dropDeleted();
    // The column captions follow a change of language.
    void retranslate();

    // The saved report: one line per row in list order, each ended by CR LF, in the system's
    // code page.
    std::string report() const;

private:
    std::vector<CheckRow> rows_;
};

} // namespace tarnlink
