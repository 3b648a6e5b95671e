#include "ui/editing/form_add.h"

#include "ui/kit/editor_state.h"
#include "ui/kit/windows_color.h"
#include "ui/editing/folder_combo.h"
#include "model/node_icons.h"
#include "platform/codepage.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/tree/tree_delegate.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnlink {

namespace {

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TFormAdd::TFormAdd(PromptsSource prompts, const QRect& bounds, int rating, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      prompts_(std::move(prompts)), random_(std::random_device{}())
{
    setObjectName(QStringLiteral("FormAdd"));

    editName2_ = named(new QLineEdit, "EditName2");
    editUrl2_ = named(new QLineEdit, "EditUrl2");
    editUrl2a_ = named(new QLineEdit, "EditUrl2a");
    memo2_ = named(new QPlainTextEdit, "Memo2");
    treeCombo_ = new FolderCombo;
    editLogin2_ = named(new QLineEdit, "EditLogin2");
    editPas2_ = named(new QLineEdit, "EditPas2");
    btnSecur_ = named(new QToolButton, "BtnSecur");
    btnSecur_->setToolTip(Translate("Create password"));
    btnSecur_->setText(QStringLiteral("*"));
    editPicPath_ = named(new QLineEdit, "EditPicPath");
    speedButton1_ = named(new QToolButton, "SpeedButton1");
    speedButton1_->setText(QStringLiteral("..."));
    raitingBar_ = named(new QProgressBar, "RaitingBar");
    raitingBar_->setRange(0, kMaxRating);
    raitingBar_->setTextVisible(false);
    sBtnDown_ = named(new QToolButton, "SBtnDown");
    sBtnDown_->setText(QStringLiteral("-"));
    sBtnDown_->setProperty("tag", 0);
    sBtnUp_ = named(new QToolButton, "SBtnUp");
    sBtnUp_->setText(QStringLiteral("+"));
    sBtnUp_->setProperty("tag", 1);
    checkResetUrl_ = named(new QCheckBox(Translate("Reset link properties")), "CheckResetUrl");

    auto* layout = new QVBoxLayout(this);
    auto addRow = [layout](const char* label, QWidget* editor, QWidget* button = nullptr) {
        if (label)
            layout->addWidget(new QLabel(Translate(label)));
        if (!button) {
            layout->addWidget(editor);
            return;
        }
        auto* row = new QHBoxLayout;
        row->addWidget(editor, 1);
        row->addWidget(button);
        layout->addLayout(row);
    };
    addRow("Name", editName2_);
    addRow("Link 1", editUrl2_);
    addRow("Link 2", editUrl2a_);
    addRow("Description", memo2_);
    layout->setStretchFactor(memo2_, 1);
    addRow("Folder", treeCombo_);
    addRow("Login", editLogin2_);
    addRow("Password", editPas2_, btnSecur_);
    addRow("Picture path", editPicPath_, speedButton1_);
    layout->addWidget(new QLabel(Translate("Rating")));
    auto* ratingRow = new QHBoxLayout;
    ratingRow->addWidget(sBtnDown_);
    ratingRow->addWidget(raitingBar_, 1);
    ratingRow->addWidget(sBtnUp_);
    layout->addLayout(ratingRow);
    layout->addWidget(checkResetUrl_);
    const OkCancelButtons buttons = AddOkCancelRow(*this, *layout, Translate("&Ok"));
    btnOk_ = buttons.ok;
    btnCancle_ = buttons.cancel;
    // Every row at its full height and several lines of description, never less than designed.
    SetMinimumLines(*memo2_, 4);
    setMinimumSize(layout->totalMinimumSize().expandedTo(QSize(270, 440)));

    connect(btnSecur_, &QToolButton::clicked, this, &TFormAdd::BtnSecurClick);
    connect(speedButton1_, &QToolButton::clicked, this, &TFormAdd::SpeedButton1Click);
    connect(sBtnDown_, &QToolButton::clicked, this, [this] { stepRating(0); });
    connect(sBtnUp_, &QToolButton::clicked, this, [this] { stepRating(1); });
    for (QWidget* w : std::initializer_list<QWidget*>{editName2_, editUrl2_, editUrl2a_, treeCombo_, editLogin2_,
                                                      editPas2_, editPicPath_})
        w->installEventFilter(this);

    setBarColour(FromWindowsColor(*RatingColour(1)));
    setRating(rating);
    setPasswordStars(true);
    if (bounds.isValid())
        setGeometry(bounds);
}

int TFormAdd::rating() const
{
    return raitingBar_->value();
}

void TFormAdd::setRating(int rating)
{
    raitingBar_->setValue(std::clamp(rating, 0, kMaxRating));
}

void TFormAdd::stepRating(int tag)
{
    setRating(rating() + (tag == 0 ? -1 : 1));
    if (const auto colour = RatingColour(rating()))
        setBarColour(FromWindowsColor(*colour));
}

QColor TFormAdd::ratingColor() const
{
    return raitingBar_->palette().color(QPalette::Active, QPalette::Highlight);
}

void TFormAdd::setBarColour(const QColor& colour)
{
    QPalette palette = raitingBar_->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Highlight, colour);
    raitingBar_->setPalette(palette);
}

void TFormAdd::setPasswordStars(bool stars)
{
    SetPasswordMask(editPas2_, stars);
}

void TFormAdd::setPasswordOptions(const PasswordCharsets& sets, int length)
{
    charsets_ = sets;
    passwordLength_ = length;
}

void TFormAdd::BtnSecurClick()
{
    editPas2_->setText(codepage::toDisplay(GeneratePassword(passwordLength_, charsets_, random_)));
}

void TFormAdd::SpeedButton1Click()
{
    const QString jpeg = Translate("JPEG Image File");
    FileDialogOptions request{QString(),
                        Translate("All") + QStringLiteral(" (*.jpg *.jpeg);;") + jpeg + QStringLiteral(" (*.jpg);;")
                            + jpeg + QStringLiteral(" (*.jpeg)"),
                        QString(), QStringLiteral("jpg")};
    const QString path = prompts_().openFileName(request);
    if (!path.isEmpty())
        editPicPath_->setText(path);
}

void TFormAdd::clearFields()
{
    for (QLineEdit* edit : {editName2_, editUrl2_, editUrl2a_, editLogin2_, editPas2_, editPicPath_})
        edit->clear();
    memo2_->clear();
}

void TFormAdd::setLinkFieldsUsable(bool usable)
{
    for (QLineEdit* edit : {editUrl2_, editUrl2a_, editLogin2_, editPas2_})
        SetEditorUsable(edit, usable);
}

QStringList TFormAdd::descriptionLines() const
{
    return EditorLines(*memo2_);
}

void TFormAdd::setDescriptionLines(const QStringList& lines)
{
    SetEditorLines(*memo2_, lines);
}

void TFormAdd::rebuildFolders(TfcTreeNodes& tree)
{
    treeCombo_->rebuild(CollectPickerFolders(tree), Translate("Explorer"));
}

bool TFormAdd::eventFilter(QObject* watched, QEvent* event)
{
    if (isEnter(event)) {
        if (watched == editName2_)
            accept();
        else
            focusNextChild();
        return true;
    }
    if (watched == editPicPath_ && event->type() == QEvent::FocusIn)
        editPicPath_->setToolTip(editPicPath_->text());
    return QDialog::eventFilter(watched, event);
}

} // namespace tarnlink
