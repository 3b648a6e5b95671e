#include "tips.h"

#include "text_file.h"

#include <QHash>

namespace tarnlink {

namespace {

QString nameOf(const QString& line) { return line.left(line.indexOf(u'=')); }
QString valueOf(const QString& line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.mid(equals + 1);
}

} // namespace

TADTip::TADTip() : Tips(builtInTips()), random_(QRandomGenerator::securelySeeded()) {}

QStringList TADTip::builtInTips()
{
    return {
        QStringLiteral("Links can be added automatically from clipboard. Turn on the link monitor "
                       "(menu \"Preferences->Link Monitor->Automatically add links\")."),
        QStringLiteral("For more information read Tarnlink.hlp help file."),
        QStringLiteral("Hide window in tray use \"Preferences->Hide window in tray\""),
        QStringLiteral("Use autosave file menu \"Preferences->Save file every min\""),
        QStringLiteral("You can use drag and drop in link explorer"),
        QStringLiteral("You can add you tips. Edit file Tarnlink.tip"),
        QStringLiteral("You can help us to fix errors in Tarnlink (menu \"Help->Feedback->Bug report\")"),
        QStringLiteral("Read the latest news about Tarnlink on its web site "
                       "https://tarnlink.example.org/news (menu \"Help->Web site\")"),
        QStringLiteral("Each folder in Tarnlink possible to set own password (menu Explorer->Password protection)"),
        QStringLiteral("Any question about Tarnlink? Write to info@tarnlink.example.org or use the menu "
                       "\"Help->Feedback->Information request\""),
    };
}

void TADTip::LoadFromFile(const QString& path)
{
    if (const auto lines = readTextFileLines(path))
        loadFromLines(*lines);
}

void TADTip::loadFromLines(const QStringList& lines)
{
    // Names are looked up as a string list does it: letter case ignored, the first line wins.
    QHash<QString, qsizetype> firstLineOfName;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].contains(u'='))
            continue;
        const QString name = nameOf(lines[i]).toCaseFolded();
        if (!firstLineOfName.contains(name))
            firstLineOfName.insert(name, i);
    }
    const auto start = firstLineOfName.constFind(QStringLiteral("tip0"));
    if (start == firstLineOfName.cend() || *start == 0)
        return;
    Tips.clear();
    for (qsizetype i = *start; i < lines.size(); ++i) {
        if (!lines[i].contains(u'=') || !nameOf(lines[i]).contains(QLatin1String("Tip")))
            continue;
        Tips.append(valueOf(lines[*firstLineOfName.constFind(nameOf(lines[i]).toCaseFolded())]));
    }
}

QString TADTip::TipAt(int index)
{
    if (Tips.isEmpty()) {
        TipIndex = -1;
        return {};
    }
    if (index < 0 || index >= Tips.size())
        index = int(random_.bounded(quint32(Tips.size())));
    TipIndex = index;
    return Tips[index];
}

QString TADTip::NextTip()
{
    return TipAt(TipIndex + 1 >= Tips.size() ? 0 : TipIndex + 1);
}

QString TADTip::PrevTip()
{
    return TipAt(TipIndex <= 0 ? int(Tips.size()) - 1 : TipIndex - 1);
}

} // namespace tarnlink
