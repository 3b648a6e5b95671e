#pragma once

// The document's life in the window: New, Open, Save and Save As with the "Save file?" question,
// the recent files in the File menu and on the Open button, the automatic save, the title, and
// the files opened at start.

#include "document/document.h"
#include "ui/kit/prompts.h"
#include "ui/shell/feature.h"

#include <QObject>
#include <QStringList>

class QMenu;
class QTimer;

namespace tarnlink {

class Workbench;

class DocumentCommands : public QObject, public Feature {
    Q_OBJECT
public:
    // The recent files come from the settings; both menus list them. The automatic save runs
    // on the timer's ticks.
    DocumentCommands(Workbench& bench, QMenu& recentMenu, QMenu& openButtonMenu, QTimer& autoSave);

    RecentFiles& recentFiles() { return recent_; }

    void MNewClick();
    void MOpenClick();
    void MSaveClick();
    void MSaveAsClick();
    void MRUManagerClick(const QString& path);
    void OpenDocument(const QString& path);
    void SaveDocument(const QString& path);
    // The "Save file?" question; false when the asking command must stop: Cancel, or Yes with a
    // save that wrote nothing.
    bool AskSave();
    // Commits pending edits, then tells whether the document is modified.
    bool unsavedChanges();
    void autoSaveTick();
    // The newest recent file (when so configured), then the file named by the first argument.
    // Errors are shown, never thrown; a named file that does not exist is told too.
    void openAtStart(const QStringList& arguments);
    // The title when no document is named: the tray icon's hint.
    void showUntitled();

    void storeSettings(Settings& settings) override;
    // The title in the new language, still naming the document.
    void retranslate() override;

private:
    // AskSave's answer, Cancel also for a save that wrote nothing.
    Answer askSave();
    // "File not found!" and the path; the path leaves the recent files.
    void showNotFound(const QString& path);
    void setTitle(const QString& title);
    QString hintText() const;
    void updateRecentMenus();
    void fillRecentMenu(QMenu& menu);

    Workbench& bench_;
    QMenu& recentMenu_;
    QMenu& openButtonMenu_;
    RecentFiles recent_;
    bool autoSaving_ = false;
};

} // namespace tarnlink
