#pragma once

// The tips of the day: the built-in English tips, or those of the current language file.

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace tarnlink {

class TADTip {
public:
    TADTip();

    static QStringList builtInTips();

    // Takes the tips of a language file: the lines from the one named "Tip0" (when it is not
    // the file's first line) to the end whose name contains "Tip". Otherwise, or when the file
    // cannot be read, the tips stay as they are.
    void LoadFromFile(const QString& path);
    void loadFromLines(const QStringList& lines);

    // The tip at the index, which becomes TipIndex; an index outside the list gives a random tip.
    QString TipAt(int index);
    QString NextTip();
    QString PrevTip();
    // Any tip, the one shown included.
    QString RandomTip() { return TipAt(-1); }

    QStringList Tips;
    int TipIndex = -1;

    // Tests fix the sequence of random tips.
    void seed(quint32 value) { random_.seed(value); }

private:
    QRandomGenerator random_;
};

} // namespace tarnlink
