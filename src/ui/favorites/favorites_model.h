#pragma once

// The favorite links as a list of two columns, "Name" and "Link", the name carrying the entry's
// tick as a check box. Every change made through it is announced by edited().

#include "settings/favorites_links.h"

#include <QAbstractTableModel>

namespace tarnlink {

class FavoritesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColName, ColLink, ColumnCount };

    explicit FavoritesModel(QObject* parent = nullptr);

    const QList<FavoriteLink>& links() const { return links_; }
    // Replaces the whole list, as reading the file does; not an edit.
    void setLinks(QList<FavoriteLink> links);

    // The row of the new entry.
    int append(const FavoriteLink& link);
    void remove(int row);
    // Places the entry just before the one at `before`, or last when `before` is the count.
    // Returns the entry's new row.
    int move(int row, int before);
    void setName(int row, const QString& name);
    void setAddress(int row, const QString& address);
    void toggle(int row);
    // The first entry, ticked or not, whose name contains the text in any letter case; -1 for
    // none or an empty text.
    int findByName(const QString& text) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An entry dragged inside the list: its row, in a format of our own.
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    // The row an internal drag carries; -1 for any other drag.
    static int draggedRow(const QMimeData& data);

    void retranslate();

signals:
    void edited();

private:
    void changedRow(int row);

    QList<FavoriteLink> links_;
};

} // namespace tarnlink
