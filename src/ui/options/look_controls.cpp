#include "ui/options/look_controls.h"

#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"
#include "ui/kit/windows_color.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace tarnlink {

FontButton::FontButton(const char* name, PromptsSource prompts)
    : prompts_(std::move(prompts)), button_(new QPushButton(Translate("&Font"))), sample_(new QLabel)
{
    button_->setObjectName(QLatin1String(name));
    // The sample names a font: data, not a text of ours.
    sample_->setProperty(kUntranslatedProperty, true);
    sample_->setMinimumWidth(120);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(button_);
    row->addWidget(sample_, 1);
    connect(button_, &QPushButton::clicked, this, &FontButton::choose);
}

void FontButton::setChosenFont(const QFont& font)
{
    font_ = font;
    sample_->setFont(font);
    const QString size = font.pointSize() > 0 ? QString::number(font.pointSize())
                                              : QString::number(font.pixelSize()) + QStringLiteral(" px");
    sample_->setText(font.family() + QStringLiteral(", ") + size);
}

void FontButton::choose()
{
    if (const auto chosen = prompts_().chooseFont(font_))
        setChosenFont(*chosen);
}

ColorSelector::ColorSelector(const char* name, const char* caption, PromptsSource prompts)
    : QPushButton(Translate(caption)), prompts_(std::move(prompts))
{
    setObjectName(QLatin1String(name));
    // Buttons of one width, not stretched across the page.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    setMinimumWidth(200);
    connect(this, &QPushButton::clicked, this, &ColorSelector::choose);
}

void ColorSelector::setWindowsColor(int value)
{
    value_ = value;
    QPixmap swatch(24, 14);
    swatch.fill(FromWindowsColor(uint32_t(value)));
    QPainter(&swatch).drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    setIcon(QIcon(swatch));
    setIconSize(swatch.size());
}

void ColorSelector::choose()
{
    if (const auto chosen = prompts_().chooseColor(FromWindowsColor(uint32_t(value_))))
        setWindowsColor(ToWindowsColor(*chosen));
}

} // namespace tarnlink
