#pragma once

// Every text the program shows passes through Translate just before use, so a language file
// can replace it. Without an installed translator the English text is shown as it is.

#include <QString>

#include <functional>

namespace tarnlink {

using Translator = std::function<QString(const QString&)>;

QString Translate(const QString& english);
inline QString Translate(const char* english) { return Translate(QString::fromUtf8(english)); }
// An empty translator restores the English texts.
void SetTranslator(Translator translator);

// A menu caption as a plain text: every "&" removed, and for captions of dialogs every "." too.
QString StripAmpersands(QString caption);
QString CaptionFromMenu(QString caption);

} // namespace tarnlink
