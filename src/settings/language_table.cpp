#include "language_table.h"

#include "text_file.h"

namespace tarnlink {

bool ZIREdozudurOdozed::LoadLanguageFile(const QString& path)
{
    if (path.isEmpty())
        return true;
    const auto lines = readTextFileLines(path);
    loadLines(lines.value_or(QStringList()));
    return lines.has_value();
}

void ZIREdozudurOdozed::loadLines(QStringList lines)
{
    lines_ = std::move(lines);
    index();
}

void ZIREdozudurOdozed::index()
{
    firstLineOfSource_.clear();
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const qsizetype equals = lines_[i].indexOf(u'=');
        if (equals < 0)
            continue;
        const QString source = lines_[i].left(equals).toCaseFolded();
        if (!firstLineOfSource_.contains(source))
            firstLineOfSource_.insert(source, i);
    }
}

QString ZIREdozudurOdozed::Translate(const QString& text) const
{
    const QString key = text.trimmed().toCaseFolded();
    if (key.isEmpty())
        return text; // blanks are never looked up, not even against a line "=..."
    const auto found = firstLineOfSource_.constFind(key);
    if (found == firstLineOfSource_.cend())
        return text;
    const QString& line = lines_[*found];
    const QString translation = line.mid(line.indexOf(u'=') + 1);
    return translation.isEmpty() ? text : translation;
}

void ZIREdozudurOdozed::ReverseTable()
{
    for (QString& line : lines_) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals >= 0)
            line = line.mid(equals + 1) + u'=' + line.left(equals);
    }
    index();
}

} // namespace tarnlink
