#include "ui/interchange/form_browser_import.h"


#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnlink {

TFormBrowserImport::TFormBrowserImport(std::vector<BrowserProfile> profiles, QWidget* parent)
    : QDialog(parent), profiles_(std::move(profiles)), listProfiles_(new QTreeWidget), labNone_(new QLabel),
      btnImport_(new QPushButton(QStringLiteral("&Import"))), btnCancel_(new QPushButton(QStringLiteral("&Cancel")))
{
    setObjectName(QStringLiteral("FormBrowserImport"));
    setWindowTitle(QStringLiteral("Import from installed browsers"));

    auto* caption = new QLabel(QStringLiteral("Bookmarks found on this computer:"));
    caption->setObjectName(QStringLiteral("LabFound"));
    listProfiles_->setObjectName(QStringLiteral("ListProfiles"));
    listProfiles_->setHeaderLabels({QStringLiteral("Browser and profile"), QStringLiteral("File")});
    listProfiles_->setRootIsDecorated(false);
    listProfiles_->setUniformRowHeights(true);
    listProfiles_->setMinimumSize(560, 180);
    listProfiles_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    listProfiles_->setTextElideMode(Qt::ElideMiddle); // the end of a path tells the profile and the file
    const QString home = QDir::homePath() + u'/';
    for (const BrowserProfile& profile : profiles_) {
        const QString path = profile.path.startsWith(home) ? QStringLiteral("~/") + profile.path.mid(home.size()) : profile.path;
        auto* row = new QTreeWidgetItem(listProfiles_, {profile.browser, QDir::toNativeSeparators(path)});
        row->setToolTip(1, QDir::toNativeSeparators(profile.path));
    }
    auto* backups = new QLabel(QStringLiteral("Firefox is read from the newest of the backups it makes of its "
                                              "bookmarks every day."));
    backups->setObjectName(QStringLiteral("LabBackups"));
    backups->setWordWrap(true);
    backups->setVisible(std::any_of(profiles_.begin(), profiles_.end(),
                                    [](const BrowserProfile& p) { return p.format == BookmarkFormat::Firefox; }));
    labNone_->setObjectName(QStringLiteral("LabNone"));
    labNone_->setText(QStringLiteral("No bookmarks of Firefox or of a Chromium-family browser were found in your "
                                     "home folder. File > Import also reads files a browser exported."));
    labNone_->setWordWrap(true);
    labNone_->setVisible(profiles_.empty());
    listProfiles_->setEnabled(!profiles_.empty());

    btnImport_->setObjectName(QStringLiteral("BtnImport"));
    btnImport_->setDefault(true);
    btnCancel_->setObjectName(QStringLiteral("BtnCancel"));
    btnCancel_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnImport_);
    buttons->addWidget(btnCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(listProfiles_, 1);
    layout->addWidget(backups);
    layout->addWidget(labNone_);
    layout->addLayout(buttons);

    const auto followSelection = [this] { btnImport_->setEnabled(chosen().has_value()); };
    connect(listProfiles_, &QTreeWidget::itemSelectionChanged, this, followSelection);
    connect(listProfiles_, &QTreeWidget::itemActivated, this, &QDialog::accept);
    connect(btnImport_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    if (!profiles_.empty()) {
        listProfiles_->setCurrentItem(listProfiles_->topLevelItem(0));
        listProfiles_->setFocus(); // Enter imports the profile chosen
    }
    followSelection();
}

std::optional<BrowserProfile> TFormBrowserImport::chosen() const
{
    QTreeWidgetItem* current = listProfiles_->currentItem();
    if (!current || !current->isSelected())
        return std::nullopt;
    return profiles_[size_t(listProfiles_->indexOfTopLevelItem(current))];
}

} // namespace tarnlink
