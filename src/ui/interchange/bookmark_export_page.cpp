#include "ui/interchange/bookmark_export_page.h"

#include "ui/interchange/browser_texts.h"
#include "ui/interchange/path_group.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnlink {

namespace {

// Room for the heading, a line for each kind of field left out and the note on locked folders.
constexpr int kLeftOutLines = 10;

} // namespace

BookmarkExportPage::BookmarkExportPage(BookmarkFormat format, const char* pageName, const char* editName)
    : format_(format), edit_(NamedPathEdit(editName)), leftOut_(new QLabel)
{
    setObjectName(QLatin1String(pageName));
    QGroupBox* file = PathGroup("GroupBoxFile", "File", edit_, browse_);

    leftOut_->setObjectName(QStringLiteral("LabLeftOut"));
    leftOut_->setWordWrap(true);
    leftOut_->setMinimumHeight(leftOut_->fontMetrics().lineSpacing() * kLeftOutLines);
    leftOut_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    leftOut_->setProperty(kUntranslatedProperty, true); // filled with translated texts and counts
    auto* leftOutGroup = new QGroupBox(QStringLiteral("Left out"));
    leftOutGroup->setObjectName(QStringLiteral("GroupBoxLeftOut"));
    auto* leftOutLayout = new QVBoxLayout(leftOutGroup);
    leftOutLayout->addWidget(leftOut_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(leftOutGroup);
    if (format == BookmarkFormat::Chromium) {
        auto* hint = new QLabel(QStringLiteral("Close the browser before you write over the Bookmarks file of one of "
                                               "its profiles: a running browser writes its own over it."));
        hint->setObjectName(QStringLiteral("LabCloseBrowser"));
        hint->setWordWrap(true);
        layout->addWidget(hint);
    }
    layout->addStretch(1);
}

bool BookmarkExportPage::hasHeightForWidth() const
{
    return false;
}

void BookmarkExportPage::showLosses(const TfcTreeNodes& tree, const ExportScope& scope)
{
    const ExportLosses losses = ExportLossesFor(format_, tree, scope);
    const std::vector<SummaryLine> lines = LossLines(losses);
    if (lines.empty()) {
        leftOut_->setText(Translate("Everything exported fits this format."));
        return;
    }
    QString text = Translate("This format cannot hold these, so they are not written:") + QLatin1Char('\n')
                   + CountedLinesText(lines);
    if (losses[LostField::LockedFolders] > 0)
        text += QLatin1Char('\n') + Translate("A locked folder is written only when it is the folder exported, "
                                                "opened with its password.");
    leftOut_->setText(text);
}

} // namespace tarnlink
