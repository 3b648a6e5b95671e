#pragma once

// The "Favorites links" window: the list of favorite links with a name and a link field for the
// selected entry. It is created at start, hidden and shown again, never reloaded.

#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;

namespace tarnlink {

class FavoritesModel;

class TFormFavorite : public QWidget {
    Q_OBJECT
public:
    TFormFavorite(FavoritesModel& model, QWidget* parent = nullptr);

    // Launches an entry's address.
    std::function<void(const QString& address)> launch = [](const QString&) {};

    QLineEdit* Edit1() const { return edit1_; }
    QLineEdit* Edit2() const { return edit2_; }
    QTableView* ListView() const { return list_; }
    QMenu* PopupMenu() const { return menu_; }
    FavoritesModel& model() const { return model_; }

    // The selected entry's row; -1 when none is selected.
    int selectedRow() const;
    void selectRow(int row);

    // "&Add": a new ticked entry, selected, the name field focused.
    void AddClick();
    // "L&aunch": the selected entry.
    void LaunchClick();
    // "&Delete": the selected entry, without asking.
    void DeleteClick();
    // A link dragged in from another program or from the main window's list.
    void AddDropped(const QString& title, const QString& address);

    void retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSelected();
    bool listKey(QKeyEvent* key);
    bool listDrag(QEvent* event);

    FavoritesModel& model_;
    QLabel* labName_;
    QLabel* labLink_;
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QTableView* list_;
    QMenu* menu_;
    QAction* add_;
    QAction* launchAction_;
    QAction* delete_;
};

} // namespace tarnlink
