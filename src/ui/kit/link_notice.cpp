#include "ui/kit/link_notice.h"

#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace tarnlink {

namespace {

constexpr QSize kSize(240, 96);
constexpr int kGap = 8;

// The notices popped up and not yet gone, each holding its place.
std::vector<const LinkNotice*>& livingNotices()
{
    static std::vector<const LinkNotice*> notices;
    return notices;
}

// The places of notices on the screen: place 0 in the corner of the work area, the next ones
// above it, then a column further left; places beyond the screen's count start over.
class ScreenPlaces {
public:
    ScreenPlaces()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        area_ = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
        perColumn_ = std::max(1, (area_.height() - kGap) / (kSize.height() + kGap));
        count_ = perColumn_ * std::max(1, (area_.width() - kGap) / (kSize.width() + kGap));
    }
    int count() const { return count_; }
    QPoint at(int place) const
    {
        place %= count_;
        const int column = place / perColumn_;
        const int row = place % perColumn_;
        return {area_.x() + area_.width() - kGap - kSize.width() - column * (kSize.width() + kGap),
                area_.y() + area_.height() - kGap - kSize.height() - row * (kSize.height() + kGap)};
    }

private:
    QRect area_;
    int perColumn_;
    int count_;
};

} // namespace

LinkNotice::LinkNotice(const QString& message, const QString& address, Launcher launcher, QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      text_(QLatin1Char('\r') + message + QLatin1Char('\r') + address), address_(address),
      launcher_(std::move(launcher))
{
    setObjectName(QStringLiteral("LinkNotice"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kSize);
    auto* title = new QLabel(Translate("Information"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* body = new QLabel(message, this);
    body->setAlignment(Qt::AlignCenter);
    // The address is data, not a text of the interface.
    auto* link = new QLabel(this);
    link->setProperty(kUntranslatedProperty, true);
    link->setTextFormat(Qt::RichText);
    link->setAlignment(Qt::AlignCenter);
    link->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(address.toHtmlEscaped(), address.toHtmlEscaped()));
    link->setToolTip(address);
    connect(link, &QLabel::linkActivated, this, [this](const QString&) { activateLink(); });
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(title);
    layout->addWidget(body);
    layout->addWidget(link);
    layout->addStretch();
}

LinkNotice::~LinkNotice()
{
    auto& notices = livingNotices();
    notices.erase(std::remove(notices.begin(), notices.end(), this), notices.end());
}

void LinkNotice::activateLink()
{
    if (launcher_)
        launcher_(address_);
    close();
}

void LinkNotice::popUp(int slideMs, int stayMs)
{
    auto& notices = livingNotices();
    place_ = 0;
    while (std::any_of(notices.begin(), notices.end(), [this](const LinkNotice* n) { return n->place_ == place_; }))
        ++place_;
    notices.push_back(this);

    const QPoint shown = ScreenPlaces().at(place_);
    const QPoint hidden(shown.x(), shown.y() + height() + kGap + 1);
    move(hidden);
    show();
    slide_ = new QPropertyAnimation(this, "pos", this);
    slide_->setDuration(slideMs);
    slide_->setStartValue(hidden);
    slide_->setEndValue(shown);
    slide_->start();
    stay_ = new QTimer(this);
    stay_->setSingleShot(true);
    connect(stay_, &QTimer::timeout, this, &LinkNotice::slideOut);
    connect(slide_, &QPropertyAnimation::finished, stay_, [this, stayMs] { stay_->start(stayMs); },
            Qt::SingleShotConnection);
}

void LinkNotice::slideOut()
{
    slide_->setDirection(QAbstractAnimation::Backward);
    connect(slide_, &QPropertyAnimation::finished, this, &QWidget::close);
    slide_->start();
}

LinkNotice* LinkNotice::showAdded(const QString& address, Launcher launcher, QWidget* parent)
{
    if (livingNotices().size() >= size_t(ScreenPlaces().count()))
        return nullptr;
    auto* notice = new LinkNotice(Translate("Added new link"), address, std::move(launcher), parent);
    notice->popUp();
    return notice;
}

} // namespace tarnlink
