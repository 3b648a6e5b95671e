#include "ui/kit/link_notice.h"

#include "ui/kit/translate.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tarnlink {

LinkNotice::LinkNotice(const QString& message, const QString& address, Launcher launcher, QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      text_(QLatin1Char('\r') + message + QLatin1Char('\r') + address), address_(address),
      launcher_(std::move(launcher))
{
    setObjectName(QStringLiteral("LinkNotice"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(220, 90);
    label_ = new QLabel(this);
    label_->setWordWrap(true);
    label_->setTextFormat(Qt::RichText);
    label_->setAlignment(Qt::AlignCenter);
    label_->setText(QStringLiteral("<br>%1<br><a href=\"%2\">%3</a>")
                        .arg(message.toHtmlEscaped(), address.toHtmlEscaped(), address.toHtmlEscaped()));
    connect(label_, &QLabel::linkActivated, this, [this](const QString&) { activateLink(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
}

void LinkNotice::activateLink()
{
    if (launcher_)
        launcher_(address_);
    close();
}

void LinkNotice::popUp(int slideMs, int stayMs)
{
    slideMs_ = slideMs;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const QPoint shown(area.right() - width() - 8, area.bottom() - height() - 8);
    const QPoint hidden(shown.x(), area.bottom() + 1);
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

LinkNotice* LinkNotice::showAdded(const QString& address, Launcher launcher)
{
    auto* notice = new LinkNotice(Translate("Added new link"), address, std::move(launcher));
    notice->popUp();
    return notice;
}

} // namespace tarnlink
