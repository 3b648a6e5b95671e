#pragma once

// The list view control of the "List" page: the folder list in one of four styles (large icons,
// small icons, list, table), with grid lines in the table, a header whose right click sorts,
// links dragged out and links from other programs dropped in.

#include <QStackedWidget>

#include <array>
#include <functional>

class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QTableView;

namespace tarnlink {

class FolderListModel;
class TfcTreeNode;
struct DroppedLink;

// The styles by the tags of the "List view" menus.
enum class ListViewStyle { LargeIcons = 0, SmallIcons = 1, List = 2, Table = 3 };

class FolderListView : public QStackedWidget {
    Q_OBJECT
public:
    explicit FolderListView(FolderListModel& model, QWidget* parent = nullptr);

    FolderListModel& model() const { return model_; }
    void setViewStyle(ListViewStyle style);
    ListViewStyle viewStyle() const { return style_; }
    void setGrid(bool shown);
    std::array<int, 6> columnWidths() const;
    void setColumnWidths(const std::array<int, 6>& widths);
    void setListFont(const QFont& font);
    void setBackground(const QColor& colour);

    // The view of the current style.
    QAbstractItemView* activeView() const;
    QTableView* table() const { return table_; }
    QListView* icons() const { return icons_; }
    // The node of the selected item; null when none is selected.
    TfcTreeNode* selectedNode() const;

signals:
    void itemDoubleClicked(TfcTreeNode* node);
    // A context menu asked for below the header, at a point of the screen.
    void menuRequested(const QPoint& globalPos);
    void headerRightClicked(int column);
    // A link dragged in from another program.
    void linkDropped(const DroppedLink& link);

private:
    void setUpView(QAbstractItemView* view);
    void attachIcons(bool attach);

    FolderListModel& model_;
    QTableView* table_;
    QListView* icons_;
    QItemSelectionModel* selection_;
    ListViewStyle style_ = ListViewStyle::Table;
};

} // namespace tarnlink
