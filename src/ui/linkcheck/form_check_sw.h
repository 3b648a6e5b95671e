#pragma once

// The link check window: starts and cancels check runs, shows their progress, lists the links
// that do not work, finds such a link in the tree, deletes the dead links from the tree and
// saves the list as a report. It lives from the start of the program to its end and is not
// modal: the tree may change under it at any time, so its rows keep their nodes by handle.

#include "linkcheck/link_checker.h"
#include "ui/linkcheck/check_result_model.h"
#include "ui/linkcheck/paced_update.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace tarnlink {

class Workbench;
struct TreeEdit;

class TFormCheck_SW : public QWidget, private CheckListener {
    Q_OBJECT
public:
    // Parented to the main window, as a window of its own; placed at the stored bounds.
    explicit TFormCheck_SW(Workbench& bench);
    ~TFormCheck_SW() override;

    // A run's flag is set: the main window may not close.
    bool running() const { return checker_.running(); }
    // A run's end is still awaited; it may have been cancelled already.
    bool dispatching() const { return checker_.dispatching(); }
    LinkChecker& checker() { return checker_; }
    // The rows shown; those reported since are added with the next showing of the progress.
    CheckResultModel& results() { return results_; }
    // Left, top, width and height as ChkWLeft ... ChkWHeight keep them: the inside of the
    // window, as the main window keeps its own, so they come back where they were.
    QRect bounds() const;

    // Check while idle, Cancel while running. The caption reads "&Cancel" until the run has
    // ended, also after Cancel.
    void BtnCheckClick();
    // The options dialog; its changes reach a run that goes on.
    void Button1Click();
    void BtnReportClick();
    // The selected row's node leaves the tree; the other rows stay.
    void BtnDeleteClick();
    // Every listed node leaves the tree, and no other.
    void BtnDelAllClick();
    void BtnClearClick();
    void BtnOkClick();
    // Selects the row's node in the tree, if it still exists.
    void ListViewDblClick(int row);

    // New and Open emptied the tree: the list empties, the progress goes to 0 and the result
    // buttons are disabled. A run still going on is cancelled: its links are gone.
    void documentCleared();
    void treeEdited(const TreeEdit& edit);
    // The caption of the Check links command, without "&" and ".".
    void setCaption();
    // Texts that code put into the window.
    void retranslate();
    // For the program's exit: the run is cancelled and its threads are given a few seconds to
    // end; nothing of theirs reaches the window or the tree afterwards.
    void shutdown();

    QTableView* ListView() const { return listView_; }
    QPushButton* Button1() const { return button1_; }
    QPushButton* BtnReport() const { return btnReport_; }
    QPushButton* BtnDelete() const { return btnDelete_; }
    QPushButton* BtnDelAll() const { return btnDelAll_; }
    QPushButton* BtnClear() const { return btnClear_; }
    QPushButton* BtnCheck() const { return btnCheck_; }
    QPushButton* BtnOk() const { return btnOk_; }
    QLabel* Label1() const { return label1_; }
    QProgressBar* ProgressBar() const { return progressBar_; }
    QProgressBar* ProgressBarThreads() const { return progressBarThreads_; }

protected:
    bool event(QEvent* event) override;

private:
    // CheckListener
    void linkStarted(const QString& name, int progress) override;
    void workersRunning(int count) override;
    void addRow(const CheckRow& row) override;
    void descriptionChanged(const NodeHandle& node) override;
    void workerEnded(int count) override;
    void runEnded() override;

    void showProgress();
    void emptyList();
    void buildControls();
    void fitSmallestSize();
    void connectControls();
    void setResultButtons(bool enabled);
    void selectFirstRow();
    void deleteNodes(const std::vector<NodeHandle>& nodes);

    Workbench& bench_;
    CheckResultModel results_;
    QLabel* label2_;
    QTableView* listView_;
    QPushButton* button1_;
    QPushButton* btnReport_;
    QPushButton* btnDelete_;
    QPushButton* btnDelAll_;
    QPushButton* btnClear_;
    QPushButton* btnCheck_;
    QLabel* label1_;
    QProgressBar* progressBar_;
    QLabel* label3_;
    QProgressBar* progressBarThreads_;
    QPushButton* btnOk_;
    bool deleting_ = false; // the window's own deletion is going through the tree
    // What the run reported since the controls last showed it.
    struct Progress {
        std::optional<QString> link; // with its place in the walk
        int place = 0;
        int threads = 0;
        std::optional<int> hint;
        std::vector<CheckRow> rows;
    } progress_;
    PacedUpdate progressShown_;
    // Last: its threads stop delivering before the rest of the window goes.
    LinkChecker checker_;
};

} // namespace tarnlink
