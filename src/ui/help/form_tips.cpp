#include "ui/help/form_tips.h"

#include "settings/settings.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace tarnlink {

TFormTips::TFormTips(TipsSection& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      settings_(settings)
{
    setObjectName(QStringLiteral("FormTips"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tip of the day"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(white);

    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* heading = new QLabel(QStringLiteral("Did you know..."), panel);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont headingFont(QStringLiteral("Arial"));
    headingFont.setPointSizeF(font().pointSizeF() * 1.5);
    headingFont.setBold(true);
    headingFont.setItalic(true);
    heading->setFont(headingFont);

    labTip_ = new QLabel(panel);
    labTip_->setObjectName(QStringLiteral("LabTip"));
    labTip_->setWordWrap(true);
    labTip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labTip_->setTextFormat(Qt::PlainText);
    labTip_->setProperty(kUntranslatedProperty, true); // the tips come translated from the file

    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(picture);
    headingRow->addWidget(heading, 1);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addLayout(headingRow);
    panelLayout->addWidget(labTip_, 1);

    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    close_ = button("Button1", "&Close");
    next_ = button("Button2", "&Next");
    prev_ = button("Button3", "&Prev");
    random_ = button("Button4", "&Random");
    close_->setDefault(true);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {close_, next_, prev_, random_})
        buttons->addWidget(b);
    buttons->addStretch(1);

    showAtStartup_ = new QCheckBox(QStringLiteral("Show at startup"), this);
    showAtStartup_->setObjectName(QStringLiteral("CheckShowTip"));

    auto* row = new QHBoxLayout;
    row->addWidget(panel, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addWidget(showAtStartup_);

    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(next_, &QPushButton::clicked, this, [this] { showTip(tips_.NextTip()); });
    connect(prev_, &QPushButton::clicked, this, [this] { showTip(tips_.PrevTip()); });
    connect(random_, &QPushButton::clicked, this, [this] { showTip(tips_.RandomTip()); });

    setFixedSize(420, 220);
}

TFormTips* TFormTips::open(TipsSection& settings, const ZIREdozudurOdozed& table,
                           const QString& languageFile, const QString& menuCaption, QWidget* parent)
{
    auto* window = new TFormTips(settings, parent);
    window->setWindowTitle(CaptionFromMenu(menuCaption));
    TranslateForm(window, table);
    window->CheckShowTip()->setChecked(settings.chkShowTip);
    if (!languageFile.isEmpty())
        window->tips().LoadFromFile(languageFile);
    window->showTip(window->tips().TipAt(settings.tipNum));
    // Over the middle of the shown main window (of the screen while the window is in the tray),
    // taking the focus, so it is seen at start and closes with Esc.
    const QScreen* screen = window->screen();
    const QRect over = parent && parent->isVisible() ? parent->frameGeometry()
                       : screen                      ? screen->availableGeometry()
                                                     : QRect();
    // The frame is known once the window is shown: centred again then.
    const auto centre = [window, over] {
        if (over.isValid())
            window->move(window->pos() + over.center() - window->frameGeometry().center());
    };
    centre();
    window->show();
    centre();
    window->raise();
    window->activateWindow();
    return window;
}

void TFormTips::showTip(const QString& tip)
{
    labTip_->setText(tip);
}

void TFormTips::done(int result)
{
    // Every way of closing ends here: the Close button, Esc and the window manager's close.
    settings_.chkShowTip = showAtStartup_->isChecked();
    settings_.tipNum = tips_.TipIndex + 1;
    QDialog::done(result);
}

} // namespace tarnlink
