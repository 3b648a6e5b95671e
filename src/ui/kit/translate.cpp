#include "ui/kit/translate.h"

namespace tarnlink {

namespace {
Translator& translator()
{
    static Translator current;
    return current;
}
} // namespace

QString Translate(const QString& english)
{
    const Translator& t = translator();
    return t ? t(english) : english;
}

void SetTranslator(Translator translator_)
{
    translator() = std::move(translator_);
}

QString StripAmpersands(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

QString CaptionFromMenu(QString caption)
{
    return StripAmpersands(caption).remove(QLatin1Char('.'));
}

} // namespace tarnlink
