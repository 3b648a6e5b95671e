#include "ui/editing/properties_editor.h"

#include "ui/kit/command_guard.h"
#include "ui/kit/editor_state.h"
#include "ui/kit/icons.h"
#include "ui/editing/folder_combo.h"
#include "ui/editing/form_add.h"
#include "model/node_icons.h"
#include "model/tree_node.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/jpeg_image.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

#include <exception>

namespace tarnlink {

namespace {

constexpr int kMargin = 6;
constexpr int kEditHeight = 21;
constexpr int kLabelHeight = 15;
constexpr int kRowHeight = kLabelHeight + kEditHeight + 4;
constexpr int kCopyButtonSize = 21;

QString display(const std::string& bytes)
{
    return codepage::toDisplay(bytes);
}

std::string bytesOf(const QLineEdit* edit)
{
    return codepage::fromDisplay(edit->text());
}

void setLabelColour(QLabel* label, Qt::GlobalColor colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QString pictureFilter()
{
    const QString jpeg = Translate("JPEG Image File");
    return Translate("All") + QStringLiteral(" (*.jpg *.jpeg);;") + jpeg + QStringLiteral(" (*.jpg);;") + jpeg
           + QStringLiteral(" (*.jpeg)");
}

// The unusable picker of the properties dialog shows where the node lies; the command never
// moves it, and the choice the next add starts from stays as it was.
void showFolderOf(TFormAdd& dialog, TfcTreeNodes& tree, const TfcTreeNode& node)
{
    FolderCombo& picker = *dialog.TreeCombo();
    dialog.rebuildFolders(tree);
    picker.display(picker.entryOf(node.Parent()));
    picker.setEnabled(false);
}

} // namespace

PropertiesEditor::PropertiesEditor(TfcTreeNodes& tree, PromptsSource prompts, PropertiesViews views, QWidget* parent)
    : QWidget(parent), tree_(tree), prompts_(std::move(prompts)), views_(views)
{
    setObjectName(QStringLiteral("PropertiesEditor"));
    auto label = [this](const char* name, const char* text) {
        auto* l = new QLabel(Translate(text), this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->installEventFilter(this);
        connect(e, &QLineEdit::textEdited, this, [this, e] { changed_.insert(e); });
        return e;
    };
    auto copyButton = [this](const char* name, const char* hint) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(Translate(hint));
        b->setIcon(images::menuImage(images::menu::Copy));
        b->setAutoRaise(true);
        return b;
    };
    labName_ = label("LabName", "Name");
    labUrl_ = label("LabUrl", "Link 1");
    labUrl2_ = label("LabURL2", "Link 2");
    labLogin_ = label("LabLogin", "Login");
    labPas_ = label("LabPas", "Password");
    editName_ = edit("EditName");
    editUrl_ = edit("EditUrl");
    editUrl2_ = edit("EditUrl2");
    editLogin_ = edit("EditLogin");
    editPas_ = edit("EditPas");
    btnCopyLogin_ = copyButton("BtnCopyLogin", "Copy to clipboard login");
    btnCopyPas_ = copyButton("BtnCopyPas", "Copy to clipboard password");
    connect(btnCopyLogin_, &QToolButton::clicked, this, &PropertiesEditor::BtnCopyLoginClick);
    connect(btnCopyPas_, &QToolButton::clicked, this, &PropertiesEditor::BtnCopyPasClick);
    for (QLabel* link : {labUrl_, labUrl2_}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setToolTip(Translate("Launch link"));
        setLabelColour(link, Qt::black);
        link->installEventFilter(this);
    }
    setPasswordStars(true);

    views_.memo->installEventFilter(this);
    // Only typing marks the description: the main window also empties the box itself.
    connect(views_.memo, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_ && views_.memo->hasFocus())
            changed_.insert(views_.memo);
    });

    labFileError_ = new QLabel(views_.screenshotTab);
    labFileError_->setObjectName(QStringLiteral("LabFileError"));
    labFileError_->setAlignment(Qt::AlignCenter);
    labFileError_->hide();

    pictureMenu_ = new QMenu(this);
    // A loaded file that is no readable picture throws; the menu runs outside the command map's
    // boundary, so it keeps one of its own.
    QAction* load = pictureMenu_->addAction(Translate("&Load screenshot"), this,
                                            [this] { RunGuarded(prompts_(), [this] { MLoadScreenshotClick(); }); });
    QAction* clear = pictureMenu_->addAction(Translate("&Clear screenshot"), this,
                                             [this] { RunGuarded(prompts_(), [this] { MClearScreenshotClick(); }); });
    connect(pictureMenu_, &QMenu::aboutToShow, this, [this, load, clear] {
        load->setEnabled(shownNode() != nullptr);
        clear->setEnabled(shownNode() != nullptr);
    });
    for (QWidget* picture : {static_cast<QWidget*>(views_.image), static_cast<QWidget*>(labFileError_)}) {
        picture->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(picture, &QWidget::customContextMenuRequested, this,
                [this, picture](const QPoint& at) { pictureMenu_->popup(picture->mapToGlobal(at)); });
    }
    setMinimumHeight(4 * kRowHeight + kMargin);
}

QList<QWidget*> PropertiesEditor::editors() const
{
    return {editName_, editUrl_, editUrl2_, editLogin_, editPas_, views_.memo};
}

void PropertiesEditor::setPasswordStars(bool stars)
{
    SetPasswordMask(editPas_, stars);
}

void PropertiesEditor::ClearEditors()
{
    filling_ = true;
    for (QLineEdit* e : {editName_, editUrl_, editUrl2_, editLogin_, editPas_})
        e->clear();
    views_.memo->clear();
    filling_ = false;
    changed_.clear(); // nothing typed is left to keep
}

void PropertiesEditor::setUsable(const TfcTreeNode* node)
{
    const bool link = node && node->IsLink();
    const bool folder = node && node->IsFolder();
    for (QWidget* e : {static_cast<QWidget*>(editName_), static_cast<QWidget*>(views_.memo)})
        e->setEnabled(link || folder);
    for (QLineEdit* e : {editUrl_, editUrl2_, editLogin_, editPas_})
        e->setEnabled(link);
}

void PropertiesEditor::fillTexts(const QString& name, const QStringList& lines)
{
    filling_ = true;
    editName_->setText(name);
    SetEditorLines(*views_.memo, lines);
    filling_ = false;
}

void PropertiesEditor::fillLinkFields(const QString& link1, const QString& link2, const QString& login,
                                      const QString& password)
{
    filling_ = true;
    editUrl_->setText(link1);
    editUrl2_->setText(link2);
    editLogin_->setText(login);
    editPas_->setText(password);
    filling_ = false;
}

void PropertiesEditor::RefreshEditors()
{
    ClearEditors();
    TfcTreeNode* node = tree_.Selected();
    shown_ = node ? node->Handle() : NodeHandle();
    setUsable(node);
    std::exception_ptr failure;
    if (node && (node->IsLink() || node->IsFolder())) { // a separator's editors stay empty
        fillTexts(display(node->Name()), LinesFromDescription(node->Description));
        if (node->IsLink())
            fillLinkFields(display(node->Link1), display(node->Link2), display(node->Login), display(node->Password));
    }
    try {
        ShowPicture(node ? display(node->PicturePath) : QString());
    } catch (...) {
        failure = std::current_exception();
    }
    changed_.clear();
    try {
        ShowNodeStatus(node);
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    hooks_.repaintTree();
    views_.memo->verticalScrollBar()->setValue(0);
    if (failure)
        std::rethrow_exception(failure);
}

void PropertiesEditor::CommitEditors()
{
    TfcTreeNode* node = shownNode();
    if (!node)
        return;
    node->SetName(bytesOf(editName_));
    node->Description = DescriptionFromLines(EditorLines(*views_.memo));
    if (node->IsLink()) {
        node->Link1 = bytesOf(editUrl_);
        node->Link2 = bytesOf(editUrl2_);
        node->Login = bytesOf(editLogin_);
        node->Password = bytesOf(editPas_);
    }
    tree_.NodeChanged(node);
    hooks_.setModified();
}

bool PropertiesEditor::CommitIfChanged()
{
    if (anyChanged())
        CommitEditors();
    // Stored now: leaving the next node must not write these texts again, into that node.
    changed_.clear();
    return true;
}

void PropertiesEditor::ShowPicture(const QString& path)
{
    QLabel* image = views_.image;
    labFileError_->hide();
    labFileError_->clear();
    if (path.isEmpty()) {
        image->hide();
        image->clear();
        return;
    }
    if (!QFileInfo(path).isFile()) {
        image->hide();
        image->clear();
        labFileError_->setText(Translate("File not found!") + QStringLiteral("\n\r") + path);
        labFileError_->adjustSize();
        const QWidget* tab = views_.screenshotTab;
        labFileError_->move((tab->width() - labFileError_->width()) / 2, (tab->height() - labFileError_->height()) / 2);
        labFileError_->show();
        labFileError_->raise();
        return;
    }
    QImage picture;
    try {
        picture = LoadJpegImage(path);
    } catch (...) {
        // Never leave another node's picture on show.
        image->hide();
        image->clear();
        throw;
    }
    const QSize bitmap = ScreenshotBitmapSize(picture.width(), picture.height());
    image->setPixmap(bitmap.isEmpty() ? QPixmap()
                                      : QPixmap::fromImage(picture.scaled(bitmap, Qt::IgnoreAspectRatio,
                                                                          Qt::SmoothTransformation)));
    image->show();
}

void PropertiesEditor::ShowNodeStatus(TfcTreeNode* node)
{
    if (!node || node->IsFolder()) {
        hooks_.showTotals();
        return;
    }
    views_.statusClicks->setText(Translate("Clicks:") + QLatin1Char(' ') + QString::number(node->Clicks));
    // The label stands even when the visit text below cannot be read.
    const QString visited = Translate("Visited:") + QLatin1Char(' ');
    views_.statusVisited->setText(visited);
    views_.statusVisited->setText(visited + VisitText(node->Visited, visitOptions_, Clock::current().now()));
}

void PropertiesEditor::ShowAdded(TfcTreeNode* node, const TFormAdd& dialog)
{
    ClearEditors();
    shown_ = node->Handle();
    setUsable(node);
    fillTexts(dialog.EditName2()->text(), dialog.descriptionLines());
    if (node->IsLink())
        fillLinkFields(dialog.EditUrl2()->text(), display(node->Link2), dialog.EditLogin2()->text(),
                       dialog.EditPas2()->text());
}

void PropertiesEditor::MEditorClick()
{
    TfcTreeNode* node = tree_.Selected();
    std::exception_ptr failure;
    // The editors may still show the node the selection left a moment ago; the dialog takes
    // the description from them.
    if (node != shownNode()) {
        try {
            RefreshEditors();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    try {
        if (node && addDialog_ && node->IsLink())
            editLinkProperties(node);
        else if (node && addDialog_ && node->IsFolder())
            editFolderProperties(node);
    } catch (...) {
        if (!failure)
            failure = std::current_exception(); // a picture that cannot be shown; the node is saved
    }
    hooks_.repaintTree();
    ShowNodeStatus(tree_.Selected());
    if (failure)
        std::rethrow_exception(failure);
}

void PropertiesEditor::editLinkProperties(TfcTreeNode* node)
{
    TFormAdd& d = *addDialog_;
    d.setWindowTitle(Translate("Link properties"));
    d.BtnSecur()->setEnabled(true);
    d.EditName2()->setText(display(node->Name()));
    d.EditUrl2()->setText(display(node->Link1));
    d.EditUrl2a()->setText(display(node->Link2));
    d.EditLogin2()->setText(display(node->Login));
    d.EditPas2()->setText(display(node->Password));
    d.EditPicPath()->setText(display(node->PicturePath));
    d.setDescriptionLines(EditorLines(*views_.memo));
    d.setLinkFieldsUsable(true);
    SetEditorUsable(d.Memo2(), true);
    d.CheckResetUrl()->setChecked(false);
    d.CheckResetUrl()->setEnabled(true);
    showFolderOf(d, tree_, *node);
    if (node->ImageIndex == icon::Link || RatingFromImageIndex(node->ImageIndex) > 0)
        d.setRating(RatingFromImageIndex(node->ImageIndex));
    d.EditName2()->setFocus();

    if (prompts_().runDialog(d) != QDialog::Accepted || d.EditName2()->text().isEmpty())
        return;
    SetLinkRating(*node, d.rating());
    node->SetName(bytesOf(d.EditName2()));
    node->Link1 = bytesOf(d.EditUrl2());
    node->Link2 = bytesOf(d.EditUrl2a());
    node->Login = bytesOf(d.EditLogin2());
    node->Password = bytesOf(d.EditPas2());
    node->PicturePath = bytesOf(d.EditPicPath());
    node->Description = DescriptionFromLines(d.descriptionLines());
    if (d.CheckResetUrl()->isChecked()) {
        node->Clicks = 0;
        node->Visited.clear();
    }
    tree_.NodeChanged(node);
    hooks_.setModified();
    fillTexts(d.EditName2()->text(), d.descriptionLines());
    fillLinkFields(d.EditUrl2()->text(), d.EditUrl2a()->text(), d.EditLogin2()->text(), d.EditPas2()->text());
    ShowPicture(d.EditPicPath()->text());
}

void PropertiesEditor::editFolderProperties(TfcTreeNode* node)
{
    TFormAdd& d = *addDialog_;
    d.setWindowTitle(Translate("Folder properties"));
    d.BtnSecur()->setEnabled(false);
    d.clearFields();
    d.EditName2()->setText(display(node->Name()));
    d.EditPicPath()->setText(display(node->PicturePath));
    d.setLinkFieldsUsable(false);
    d.setDescriptionLines(EditorLines(*views_.memo));
    SetEditorUsable(d.Memo2(), true);
    d.CheckResetUrl()->setChecked(false);
    d.CheckResetUrl()->setEnabled(false);
    showFolderOf(d, tree_, *node);
    d.EditName2()->setFocus();

    if (prompts_().runDialog(d) != QDialog::Accepted || d.EditName2()->text().isEmpty())
        return;
    {
        UpdateGuard update(tree_);
        node->SetName(bytesOf(d.EditName2()));
        node->PicturePath = bytesOf(d.EditPicPath());
        node->Description = DescriptionFromLines(d.descriptionLines());
        tree_.NodeChanged(node);
    }
    hooks_.setModified();
    fillTexts(d.EditName2()->text(), d.descriptionLines());
    ShowPicture(d.EditPicPath()->text());
}

void PropertiesEditor::MLoadScreenshotClick()
{
    TfcTreeNode* node = shownNode();
    if (!node)
        return;
    const QString path = prompts_().openFileName({Translate("Load screenshot"), pictureFilter(), QString(),
                                                QStringLiteral("jpg")});
    if (path.isEmpty())
        return;
    node->PicturePath = codepage::fromDisplay(path);
    // The path is kept even when the file turns out not to be a readable picture.
    hooks_.setModified();
    ShowPicture(path);
}

void PropertiesEditor::MClearScreenshotClick()
{
    TfcTreeNode* node = shownNode();
    if (!node)
        return;
    node->PicturePath.clear();
    ShowPicture(QString());
    hooks_.setModified();
}

void PropertiesEditor::copyToClipboard(const QLineEdit* editor)
{
    if (!editor->text().isEmpty())
        QGuiApplication::clipboard()->setText(editor->text());
}

void PropertiesEditor::BtnCopyLoginClick()
{
    copyToClipboard(editLogin_);
}

void PropertiesEditor::BtnCopyPasClick()
{
    copyToClipboard(editPas_);
}

void PropertiesEditor::LayoutLoginRow(int rightPanelWidth)
{
    const int fullWidth = std::max(0, width() - 2 * kMargin);
    int y = kMargin;
    for (auto [label, editor] : {std::pair{labName_, editName_}, std::pair{labUrl_, editUrl_},
                                 std::pair{labUrl2_, editUrl2_}}) {
        label->setGeometry(kMargin, y, fullWidth, kLabelHeight);
        editor->setGeometry(kMargin, y + kLabelHeight, fullWidth, kEditHeight);
        y += kRowHeight;
    }
    const int half = rightPanelWidth / 2;
    const int loginWidth = half / 2 + 20;
    const int copyLogin = kMargin + loginWidth + 1;
    const int pas = copyLogin + kCopyButtonSize + 6;
    labLogin_->setGeometry(kMargin, y, loginWidth, kLabelHeight);
    editLogin_->setGeometry(kMargin, y + kLabelHeight, loginWidth, kEditHeight);
    btnCopyLogin_->setGeometry(copyLogin, y + kLabelHeight, kCopyButtonSize, kEditHeight);
    labPas_->setGeometry(pas, y, loginWidth, kLabelHeight);
    editPas_->setGeometry(pas, y + kLabelHeight, loginWidth, kEditHeight);
    btnCopyPas_->setGeometry(pas + loginWidth + 1, y + kLabelHeight, kCopyButtonSize, kEditHeight);
}

void PropertiesEditor::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutLoginRow(hooks_.rightPanelWidth ? hooks_.rightPanelWidth() : width());
}

bool PropertiesEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == labUrl_ || watched == labUrl2_) {
        auto* label = static_cast<QLabel*>(watched);
        if (event->type() == QEvent::Enter)
            setLabelColour(label, Qt::blue);
        else if (event->type() == QEvent::Leave)
            setLabelColour(label, Qt::black);
        else if (event->type() == QEvent::MouseButtonRelease)
            hooks_.launchLink(watched == labUrl_ ? 1 : 2);
        return false;
    }
    if (isEnter(event) && (watched == editName_ || watched == editUrl_ || watched == editUrl2_)) {
        focusNextChild();
        return true;
    }
    if (event->type() == QEvent::FocusOut && shownNode() && changed_.contains(static_cast<QWidget*>(watched)))
        hooks_.setModified();
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnlink
