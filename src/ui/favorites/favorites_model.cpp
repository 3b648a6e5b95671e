#include "ui/favorites/favorites_model.h"

#include "ui/kit/icons.h"
#include "ui/kit/translate.h"

#include <QMimeData>

namespace tarnlink {

namespace {
const QString kRowFormat = QStringLiteral("application/x-tarnlink-favorite-row");
} // namespace

FavoritesModel::FavoritesModel(QObject* parent) : QAbstractTableModel(parent) {}

void FavoritesModel::setLinks(QList<FavoriteLink> links)
{
    beginResetModel();
    links_ = std::move(links);
    endResetModel();
}

int FavoritesModel::append(const FavoriteLink& link)
{
    const int row = int(links_.size());
    beginInsertRows({}, row, row);
    links_.append(link);
    endInsertRows();
    emit edited();
    return row;
}

void FavoritesModel::remove(int row)
{
    if (row < 0 || row >= links_.size())
        return;
    beginRemoveRows({}, row, row);
    links_.removeAt(row);
    endRemoveRows();
    emit edited();
}

int FavoritesModel::move(int row, int before)
{
    const int count = int(links_.size());
    if (row < 0 || row >= count)
        return row;
    before = std::clamp(before, 0, count);
    if (before == row || before == row + 1)
        return row;
    beginMoveRows({}, row, row, {}, before);
    const int to = before > row ? before - 1 : before;
    links_.move(row, to);
    endMoveRows();
    emit edited();
    return to;
}

void FavoritesModel::changedRow(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit edited();
}

void FavoritesModel::setName(int row, const QString& name)
{
    if (row >= 0 && row < links_.size() && links_[row].name != name) {
        links_[row].name = name;
        changedRow(row);
    }
}

void FavoritesModel::setAddress(int row, const QString& address)
{
    if (row >= 0 && row < links_.size() && links_[row].address != address) {
        links_[row].address = address;
        changedRow(row);
    }
}

void FavoritesModel::toggle(int row)
{
    if (row >= 0 && row < links_.size()) {
        links_[row].ticked = !links_[row].ticked;
        changedRow(row);
    }
}

int FavoritesModel::findByName(const QString& text) const
{
    if (text.isEmpty())
        return -1;
    for (qsizetype i = 0; i < links_.size(); ++i)
        if (links_[i].name.contains(text, Qt::CaseInsensitive))
            return int(i);
    return -1;
}

int FavoritesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(links_.size());
}

int FavoritesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FavoritesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= links_.size() || index.column() >= ColumnCount)
        return {};
    const FavoriteLink& link = links_[index.row()];
    const bool name = index.column() == ColName;
    switch (role) {
    case Qt::DisplayRole:
        return name ? link.name : link.address;
    case Qt::CheckStateRole:
        return name ? QVariant(link.ticked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::DecorationRole:
        return name ? images::treeImage(0) : QVariant();
    default:
        return {};
    }
}

bool FavoritesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != ColName)
        return false;
    if ((value.toInt() == Qt::Checked) != links_[index.row()].ticked)
        toggle(index.row());
    return true;
}

QVariant FavoritesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == ColName)
        return Translate("Name");
    return section == ColLink ? Translate("Link") : QVariant();
}

void FavoritesModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

Qt::ItemFlags FavoritesModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
    return index.column() == ColName ? flags | Qt::ItemIsUserCheckable : flags;
}

QStringList FavoritesModel::mimeTypes() const
{
    return {kRowFormat};
}

QMimeData* FavoritesModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(kRowFormat, QByteArray::number(indexes.first().row()));
    return data;
}

Qt::DropActions FavoritesModel::supportedDragActions() const
{
    return Qt::MoveAction;
}

int FavoritesModel::draggedRow(const QMimeData& data)
{
    if (!data.hasFormat(kRowFormat))
        return -1;
    bool ok = false;
    const int row = data.data(kRowFormat).toInt(&ok);
    return ok ? row : -1;
}

} // namespace tarnlink
