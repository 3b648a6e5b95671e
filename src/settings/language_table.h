#pragma once

// The loaded language file: lines "source=translation" in file order. Source texts match
// without regard to letter case and the first line of a source text counts.

#include <QHash>
#include <QString>
#include <QStringList>

namespace tarnlink {

class ZIREdozudurOdozed {
public:
    // Nothing happens for an empty path. Otherwise the table is cleared and the file read into
    // it; false when the file cannot be read (the table then stays empty).
    bool LoadLanguageFile(const QString& path);
    void loadLines(QStringList lines);

    // The translation of the whole text, its surrounding blanks ignored for the look-up; the
    // text itself when the table has none (or an empty one).
    QString Translate(const QString& text) const;
    // Every line becomes "translation=source", mapping translated texts back to the sources.
    void ReverseTable();

    const QStringList& lines() const { return lines_; }
    // Windows are translated only by a table of more than one line.
    bool translatesWindows() const { return lines_.size() > 1; }

private:
    void index();

    QStringList lines_;
    QHash<QString, qsizetype> firstLineOfSource_; // case-folded source text -> line
};

} // namespace tarnlink
