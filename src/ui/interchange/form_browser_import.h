#pragma once

// File > Import > "From installed browsers...": the bookmark files of the browser profiles found
// on this computer, so that choosing one and Import is all it takes.

#include "interchange/browser_profiles.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tarnlink {

class TFormBrowserImport : public QDialog {
    Q_OBJECT
public:
    TFormBrowserImport(std::vector<BrowserProfile> profiles, QWidget* parent = nullptr);

    // The profile chosen; nothing when none is.
    std::optional<BrowserProfile> chosen() const;

    QTreeWidget* ListProfiles() const { return listProfiles_; }
    QLabel* LabNone() const { return labNone_; }
    QPushButton* BtnImport() const { return btnImport_; }
    QPushButton* BtnCancel() const { return btnCancel_; }

private:
    std::vector<BrowserProfile> profiles_;
    QTreeWidget* listProfiles_;
    QLabel* labNone_;
    QPushButton* btnImport_;
    QPushButton* btnCancel_;
};

} // namespace tarnlink
