#pragma once

// The main window's controls: the tree with its header strip on the left, the two page controls
// on the right, the status bar and the three tool bars. Built once; the window's other parts
// reach them by name through MainParts.

#include <QString>

#include <vector>

class QLabel;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QToolBar;
class QToolButton;
class QWidget;

namespace tarnlink {

class CommandMap;
class TfcTreeNodes;
class TreeDelegate;
class TreeInetView;
class TreeItemModel;

// Indexes of the pages of PageControlEditor and PageControlView.
enum EditorTab { TabList = 0, TabProperties = 1 };
enum ViewTab { TabDescription = 0, TabScreenshot = 1 };

// The design size of the window's client area and of its parts.
inline constexpr int kDesignWidth = 567;
inline constexpr int kDesignHeight = 414;
inline constexpr int kTreeWidth = 250;
inline constexpr int kLowerPagesHeight = 155;

struct MainParts {
    TreeItemModel* treeModel = nullptr;
    TreeDelegate* delegate = nullptr;
    TreeInetView* treeView = nullptr;
    QWidget* panel1 = nullptr;        // left: header strip and tree
    QWidget* panelExplorer = nullptr; // the header strip
    QLabel* labExplorer = nullptr;
    QWidget* panel3 = nullptr;        // right: both page controls
    QSplitter* splitterV = nullptr;   // between left and right
    QSplitter* splitterH = nullptr;   // between the page controls
    QTabWidget* pageEditor = nullptr; // "List" and "Properties"
    QTabWidget* pageView = nullptr;   // "Description" and "Screenshot"
    QPlainTextEdit* memo = nullptr;   // Memo1
    QLabel* image = nullptr;          // Image1
    std::vector<QLabel*> statusPanels;
    std::vector<QToolButton*> headerButtons; // in the order of HeaderButton
    std::vector<QToolBar*> toolBars;         // File, Explorer, Other
    QToolButton* importButton = nullptr;
    QMenu* openButtonMenu = nullptr;         // the Open button's recent files
};

// Builds every control into the window: central widget, status bar and tool bars.
MainParts BuildMainLayout(QMainWindow& window, TfcTreeNodes& tree, CommandMap& commands);

} // namespace tarnlink
