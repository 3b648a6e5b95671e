#pragma once

// The properties editor: the "Properties" page's editors of the selected node, the description
// box, the screenshot and the status bar's account of the node, and the properties command that
// edits the node in the add dialog.

#include "ui/kit/prompts_source.h"
#include "model/tree_node.h"
#include "ui/kit/visit_time.h"

#include <QSet>
#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QToolButton;

namespace tarnlink {

class Prompts;
class TFormAdd;

// The main window's widgets the editor fills.
struct PropertiesViews {
    QPlainTextEdit* memo = nullptr;   // Memo1 on the "Description" page
    QLabel* image = nullptr;          // Image1 on the "Screenshot" page
    QWidget* screenshotTab = nullptr; // the "Screenshot" page; LabFileError is centred in it
    QLabel* statusClicks = nullptr;   // status bar panel 0
    QLabel* statusVisited = nullptr;  // status bar panel 1
};

struct PropertiesHooks {
    std::function<void()> setModified = [] {};
    // "Total folders:" and "Total links:" in the status bar.
    std::function<void()> showTotals = [] {};
    std::function<void()> repaintTree = [] {};
    // A click on the label "Link 1" (1) or "Link 2" (2).
    std::function<void(int)> launchLink = [](int) {};
    // The right panel's width for the login row; the editor's own width when empty.
    std::function<int()> rightPanelWidth;
};

class PropertiesEditor : public QWidget {
    Q_OBJECT
public:
    PropertiesEditor(TfcTreeNodes& tree, PromptsSource prompts, PropertiesViews views, QWidget* parent = nullptr);

    PropertiesHooks& hooks() { return hooks_; }
    void setPasswordStars(bool stars);
    void setVisitTimeOptions(const VisitTimeOptions& options) { visitOptions_ = options; }
    // The dialog of the properties command.
    void setAddDialog(TFormAdd* dialog) { addDialog_ = dialog; }

    void ClearEditors();
    // Fills editors, picture and status bar from the selected node. Picture and visit-time
    // errors are thrown after everything else is filled.
    void RefreshEditors();
    // Writes the editors into the node they were filled from (which the selection may already
    // have left) and marks the document modified; nothing when that node is gone.
    void CommitEditors();
    // For the tree's "selection about to change", Save and a new showing of the node: commits
    // only when an editor was changed, and clears the marks once that is stored.
    bool CommitIfChanged();
    // The node the editors were filled from; null when none is shown.
    TfcTreeNode* shownNode() const { return shown_.get(); }
    bool anyChanged() const { return !changed_.isEmpty(); }
    bool isChanged(const QWidget* editor) const { return changed_.contains(editor); }

    void ShowPicture(const QString& path);
    void ShowNodeStatus(TfcTreeNode* node);
    // A node just added through the add dialog, with the texts as typed there.
    void ShowAdded(TfcTreeNode* node, const TFormAdd& dialog);

    void MEditorClick();
    void MLoadScreenshotClick();
    void MClearScreenshotClick();
    void BtnCopyLoginClick();
    void BtnCopyPasClick();
    void LayoutLoginRow(int rightPanelWidth);

    QLineEdit* EditName() const { return editName_; }
    QLineEdit* EditUrl() const { return editUrl_; }
    QLineEdit* EditUrl2() const { return editUrl2_; }
    QLineEdit* EditLogin() const { return editLogin_; }
    QLineEdit* EditPas() const { return editPas_; }
    QToolButton* BtnCopyLogin() const { return btnCopyLogin_; }
    QToolButton* BtnCopyPas() const { return btnCopyPas_; }
    QLabel* LabUrl() const { return labUrl_; }
    QLabel* LabURL2() const { return labUrl2_; }
    QLabel* LabPas() const { return labPas_; }
    QLabel* LabFileError() const { return labFileError_; }
    QMenu* PictureMenu() const { return pictureMenu_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<QWidget*> editors() const;
    // Every editor unusable when no node is shown.
    void setUsable(const TfcTreeNode* node);
    void fillLinkFields(const QString& link1, const QString& link2, const QString& login, const QString& password);
    void fillTexts(const QString& name, const QStringList& lines);
    void copyToClipboard(const QLineEdit* editor);
    void editLinkProperties(TfcTreeNode* node);
    void editFolderProperties(TfcTreeNode* node);

    TfcTreeNodes& tree_;
    PromptsSource prompts_;
    PropertiesViews views_;
    PropertiesHooks hooks_;
    VisitTimeOptions visitOptions_;
    TFormAdd* addDialog_ = nullptr;
    NodeHandle shown_;
    QSet<const QWidget*> changed_;
    bool filling_ = false;

    QLabel* labName_;
    QLabel* labUrl_;
    QLabel* labUrl2_;
    QLabel* labLogin_;
    QLabel* labPas_;
    QLineEdit* editName_;
    QLineEdit* editUrl_;
    QLineEdit* editUrl2_;
    QLineEdit* editLogin_;
    QLineEdit* editPas_;
    QToolButton* btnCopyLogin_;
    QToolButton* btnCopyPas_;
    QLabel* labFileError_;
    QMenu* pictureMenu_;
};

} // namespace tarnlink
