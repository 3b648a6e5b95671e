#include "ui/interchange/import_progress.h"

#include "ui/kit/translate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

namespace tarnlink {

namespace {

constexpr qint64 kShowAfterMs = 400;
constexpr qint64 kRefreshMs = 50;
// The clock is read only every so many nodes: reading it costs more than adding a node.
constexpr unsigned kNodesPerLook = 256;

class DialogProgress final : public ImportProgress {
public:
    DialogProgress(QWidget* parent, const QString& title) : dialog_(parent)
    {
        dialog_.setWindowTitle(title);
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setCancelButtonText(Translate("&Cancel"));
        dialog_.setRange(0, 0); // the number of nodes is known only at the end
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setMinimumDuration(int(kShowAfterMs));
        dialog_.setMinimumWidth(320);
        clock_.start();
    }

    bool carryOn(const TreeCounts& read) override
    {
        if (++nodes_ % kNodesPerLook != 0 || clock_.elapsed() - shownAt_ < kRefreshMs)
            return !dialog_.wasCanceled();
        shownAt_ = clock_.elapsed();
        if (!dialog_.isVisible() && shownAt_ >= kShowAfterMs)
            dialog_.show();
        dialog_.setLabelText(Translate("Imported links:") + QLatin1Char(' ') + QString::number(read.LinkCount));
        QCoreApplication::processEvents();
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
    QElapsedTimer clock_;
    qint64 shownAt_ = 0;
    unsigned nodes_ = 0;
};

} // namespace

std::unique_ptr<ImportProgress> ShowImportProgress(QWidget* parent, const QString& title)
{
    return std::make_unique<DialogProgress>(parent, title);
}

} // namespace tarnlink
