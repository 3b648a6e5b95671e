#include "ui/linkcheck/form_check_sw.h"

#include "interchange/file_io.h"
#include "linkcheck/check_report.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "settings/settings.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/kit/editor_state.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"
#include "ui/kit/tree_edit.h"
#include "ui/linkcheck/form_check_options.h"
#include "ui/shell/workbench.h"
#include "ui/tree/tree_model.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <utility>

namespace tarnlink {

namespace {

QPushButton* button(const char* name, const char* caption)
{
    auto* b = new QPushButton(Translate(caption));
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QProgressBar* bar(const char* name)
{
    auto* b = new QProgressBar;
    b->setObjectName(QLatin1String(name));
    b->setTextVisible(false);
    b->setRange(0, 1);
    b->setValue(0);
    return b;
}

CheckSettings checkSettingsOf(const CheckLinksSection& section)
{
    return {section.chkCheckSelected, section.chkUpdateMovedPages, section.threadsAmount, section.delayThreads};
}

void setClamped(QProgressBar& bar, int value)
{
    // A value outside the range would be ignored, leaving the bar where it was.
    bar.setValue(std::clamp(value, bar.minimum(), bar.maximum()));
}

constexpr int kColumnWidths[CheckResultModel::ColumnCount] = {160, 200, 100, 62};
// The window is never smaller than this, nor than its controls with their whole captions.
constexpr QSize kSmallestSize{570, 280};
// Progress is shown at most this often: some twenty times a second.
constexpr std::chrono::milliseconds kProgressInterval{50};

} // namespace

TFormCheck_SW::TFormCheck_SW(Workbench& bench)
    : QWidget(&bench.mainWindow(), Qt::Window), bench_(bench), progressShown_(kProgressInterval, [this] { showProgress(); }),
      checker_(*this)
{
    setObjectName(QStringLiteral("FormCheck_SW"));
    checker_.setTranslator([](const QString& text) { return Translate(text); });
    buildControls();
    connectControls();
    setCaption();
    fitSmallestSize();

    const MainSection& stored = bench.settings().main;
    setGeometry(stored.chkWLeft, stored.chkWTop, stored.chkWWidth, stored.chkWHeight);
}

TFormCheck_SW::~TFormCheck_SW() = default;

void TFormCheck_SW::buildControls()
{
    label2_ = new QLabel(Translate("Not working links"));
    label1_ = new QLabel;
    label3_ = new QLabel(Translate("Amount of working threads"));
    listView_ = new QTableView;
    for (const auto& [widget, name] : {std::pair<QWidget*, const char*>{label2_, "Label2"}, {label1_, "Label1"},
                                       {label3_, "Label3"}, {listView_, "ListView"}})
        widget->setObjectName(QLatin1String(name));

    listView_->setModel(&results_);
    listView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView_->setSelectionMode(QAbstractItemView::SingleSelection);
    listView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView_->setShowGrid(true);
    listView_->setWordWrap(false);
    listView_->setIconSize(QSize(16, 16));
    listView_->verticalHeader()->hide();
    listView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    listView_->verticalHeader()->setDefaultSectionSize(listView_->fontMetrics().height() + 6);
    listView_->horizontalHeader()->setStretchLastSection(false);
    listView_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    listView_->horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < CheckResultModel::ColumnCount; ++column)
        listView_->setColumnWidth(column, kColumnWidths[column]);
    // Hot tracking: the row under the mouse is marked, and a hand shows it can be opened.
    listView_->setMouseTracking(true);
    listView_->viewport()->setCursor(Qt::PointingHandCursor);

    button1_ = button("Button1", "&Options");
    btnReport_ = button("BtnReport", "&Save report...");
    btnDelete_ = button("BtnDelete", "&Delete");
    btnDelAll_ = button("BtnDelAll", "&Delete all");
    btnClear_ = button("BtnClear", "&Clear");
    btnCheck_ = button("BtnCheck", "&Check");
    btnOk_ = button("BtnOk", "&Ok");
    setResultButtons(false);

    // Link names are data: never translated, never taken as markup, never widening the window.
    label1_->setTextFormat(Qt::PlainText);
    label1_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label1_->setMinimumHeight(label1_->fontMetrics().height());
    label1_->setProperty(kUntranslatedProperty, true);
    progressBar_ = bar("ProgressBar");
    progressBarThreads_ = bar("ProgressBarThreads");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label2_);
    layout->addWidget(listView_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {button1_, btnReport_, btnDelete_, btnDelAll_, btnClear_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(btnCheck_);
    layout->addLayout(buttons);
    auto* progress = new QGridLayout;
    progress->addWidget(label1_, 0, 0, 1, 2);
    progress->addWidget(progressBar_, 1, 0, 1, 2);
    progress->addWidget(label3_, 2, 0, 1, 2);
    progress->addWidget(progressBarThreads_, 3, 0);
    progress->addWidget(btnOk_, 3, 1);
    progress->setColumnStretch(0, 1);
    layout->addLayout(progress);
}

void TFormCheck_SW::connectControls()
{
    // Handlers run inside the error boundary: no error crosses the event loop.
    auto onClick = [this](QPushButton* b, void (TFormCheck_SW::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { RunGuarded(bench_.prompts(), [&] { (this->*handler)(); }); });
    };
    onClick(btnCheck_, &TFormCheck_SW::BtnCheckClick);
    onClick(button1_, &TFormCheck_SW::Button1Click);
    onClick(btnReport_, &TFormCheck_SW::BtnReportClick);
    onClick(btnDelete_, &TFormCheck_SW::BtnDeleteClick);
    onClick(btnDelAll_, &TFormCheck_SW::BtnDelAllClick);
    onClick(btnClear_, &TFormCheck_SW::BtnClearClick);
    onClick(btnOk_, &TFormCheck_SW::BtnOkClick);
    connect(listView_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        RunGuarded(bench_.prompts(), [&] { ListViewDblClick(index.row()); });
    });

    // A row whose node leaves the tree goes with it, whoever deleted the node.
    TreeItemModel& tree = bench_.treeModel();
    connect(&tree, &QAbstractItemModel::rowsRemoved, this, [this] { results_.dropDeleted(); });
    connect(&tree, &QAbstractItemModel::modelReset, this, [this] { results_.dropDeleted(); });
}

bool TFormCheck_SW::event(QEvent* event)
{
    // A caption that changed (a language, Check and Cancel) asks for a new layout; the layout
    // itself has been brought up to date by then.
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest)
        fitSmallestSize();
    return handled;
}

void TFormCheck_SW::fitSmallestSize()
{
    setMinimumSize(layout()->totalMinimumSize().expandedTo(kSmallestSize));
}

QRect TFormCheck_SW::bounds() const
{
    return geometry();
}

void TFormCheck_SW::setCaption()
{
    setWindowTitle(CaptionFromMenu(bench_.commands().caption(Cmd::CheckLinks)));
}

void TFormCheck_SW::setResultButtons(bool enabled)
{
    for (QPushButton* b : {btnDelete_, btnDelAll_, btnClear_, btnReport_})
        b->setEnabled(enabled);
}

// ---- runs ---------------------------------------------------------------------------------------

void TFormCheck_SW::BtnCheckClick()
{
    if (running()) {
        // The caption stays until the dispatcher has ended; a click meanwhile starts a new run.
        checker_.cancel();
        return;
    }
    TfcTreeNodes& tree = bench_.tree();
    // The run checks the addresses as the editors show them.
    if (!bench_.commitEdits())
        return;
    if (tree.Count() == 0) {
        // Nothing to check: the window stays idle.
        BtnClearClick();
        return;
    }
    const CheckSettings settings = checkSettingsOf(bench_.settings().checkLinks);
    checker_.setSettings(settings);
    btnCheck_->setText(Translate("&Cancel"));
    btnOk_->setEnabled(false);
    // Positions are AbsoluteIndex values, or places in the selection list when only the
    // selection is checked.
    progressBar_->setRange(0, std::max(1, settings.checkSelected ? tree.SelectionCount() : tree.Count()));
    progressBar_->setValue(0);
    progressBarThreads_->setRange(0, checker_.settings().threadsAmount);
    setCursor(Qt::BusyCursor);
    BtnClearClick();
    progress_ = {};
    checker_.start(tree);
}

void TFormCheck_SW::linkStarted(const QString& name, int progress)
{
    progress_.link = name;
    progress_.place = progress;
    progressShown_.changed();
}

void TFormCheck_SW::workersRunning(int count)
{
    progress_.threads = count;
    progressShown_.changed();
}

void TFormCheck_SW::showProgress()
{
    if (progress_.link) {
        label1_->setText(OnOneLine(*progress_.link));
        setClamped(*progressBar_, progress_.place);
        progress_.link.reset();
    }
    setClamped(*progressBarThreads_, progress_.threads);
    if (progress_.hint) {
        progressBarThreads_->setToolTip(QString::number(*progress_.hint));
        progress_.hint.reset();
    }
    if (!progress_.rows.empty())
        results_.append(std::exchange(progress_.rows, {}));
}

void TFormCheck_SW::addRow(const CheckRow& row)
{
    progress_.rows.push_back(row);
    progressShown_.changed();
}

void TFormCheck_SW::descriptionChanged(const NodeHandle& handle)
{
    TfcTreeNode* node = handle.get();
    RunGuarded(bench_.prompts(), [&] {
        bench_.treeEdited({TreeChange::Edited, {}, {}, node});
        // The description box shows the new text unless the user has typed into it.
        QPlainTextEdit& box = bench_.descriptionBox();
        if (node == bench_.tree().Selected() && !box.document()->isModified())
            SetEditorLines(box, LinesFromDescription(node->Description));
    });
}

void TFormCheck_SW::workerEnded(int count)
{
    progress_.threads = count;
    progress_.hint = count;
    if (count > 0) {
        progressShown_.changed();
        return;
    }
    progressShown_.flush();
    if (!results_.empty())
        setResultButtons(true);
}

void TFormCheck_SW::runEnded()
{
    progress_.link.reset();
    progressShown_.flush();
    btnCheck_->setText(Translate("&Check"));
    unsetCursor();
    if (!results_.empty())
        setResultButtons(true);
    btnOk_->setEnabled(true);
    label1_->clear();
    progressBar_->setValue(0);
}

void TFormCheck_SW::shutdown()
{
    checker_.shutdown(kShutdownWait);
}

// ---- options ------------------------------------------------------------------------------------

void TFormCheck_SW::Button1Click()
{
    TFormCheckOptions dialog(this);
    TranslateForm(&dialog, bench_.language());
    CheckLinksSection& stored = bench_.settings().checkLinks;
    dialog.fill(stored);
    if (bench_.prompts().runDialog(dialog) != QDialog::Accepted)
        return;
    dialog.store(stored);
    checker_.setSettings(checkSettingsOf(stored));
    progressBarThreads_->setRange(0, checker_.settings().threadsAmount);
}

// ---- results ------------------------------------------------------------------------------------

void TFormCheck_SW::BtnClearClick()
{
    setResultButtons(false);
    emptyList();
}

void TFormCheck_SW::emptyList()
{
    progress_.rows.clear();
    results_.clear();
}

void TFormCheck_SW::BtnReportClick()
{
    FileDialogOptions request;
    request.title = StripAmpersands(btnReport_->text());
    request.filter = QStringLiteral("*.txt (*.txt);;*.* (*)");
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = bench_.prompts().saveFileName(request);
    if (!path.isEmpty())
        SaveExportFile(path, results_.report());
}

void TFormCheck_SW::ListViewDblClick(int row)
{
    if (TfcTreeNode* node = results_.nodeAt(row))
        bench_.selectNode(node);
}

void TFormCheck_SW::selectFirstRow()
{
    listView_->selectRow(0);
}

void TFormCheck_SW::BtnDeleteClick()
{
    const QModelIndexList selected = listView_->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    deleteNodes({results_.rows()[size_t(selected.front().row())].node});
}

void TFormCheck_SW::BtnDelAllClick()
{
    if (results_.empty())
        return;
    selectFirstRow();
    deleteNodes(results_.nodes());
}

void TFormCheck_SW::deleteNodes(const std::vector<NodeHandle>& nodes)
{
    if (!bench_.commitEdits())
        return;
    TfcTreeNodes& tree = bench_.tree();
    TreeCounts removed;
    {
        // Many nodes leave in one bracket: the tree control is rebuilt once, not once per node.
        std::optional<UpdateGuard> bracket;
        if (nodes.size() > 1)
            bracket.emplace(tree);
        for (const NodeHandle& handle : nodes) {
            // A node listed twice, or inside a node deleted before it, is gone already.
            TfcTreeNode* node = handle.get();
            if (!node)
                continue;
            removed += CountSubtree(*node);
            tree.Delete(node);
        }
    }
    {
        const QScopedValueRollback own(deleting_, true);
        bench_.treeEdited({TreeChange::Deleted, {}, removed});
    }
    if (nodes.size() > 1)
        bench_.showSelection();
    results_.dropDeleted();
    if (results_.empty())
        setResultButtons(false);
    else
        selectFirstRow();
}

// ---- the window and the program -----------------------------------------------------------------

void TFormCheck_SW::BtnOkClick()
{
    close();
}

void TFormCheck_SW::documentCleared()
{
    checker_.cancel();
    BtnClearClick();
    progressBar_->setValue(0);
}

void TFormCheck_SW::treeEdited(const TreeEdit& edit)
{
    // Adding through the dialog and deleting empty the list, as the window has always done;
    // its own Delete keeps the other rows, which still lead to their nodes.
    const bool emptying = edit.change == TreeChange::AddedThroughDialog || edit.change == TreeChange::Deleted;
    if (emptying && !deleting_)
        emptyList();
    else
        results_.dropDeleted();
}

void TFormCheck_SW::retranslate()
{
    setCaption();
    results_.retranslate();
}

} // namespace tarnlink
