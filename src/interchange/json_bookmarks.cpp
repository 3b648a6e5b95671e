#include "json_bookmarks.h"

#include "import_sink.h"

#include <QJsonDocument>

#include <vector>

namespace tarnlink {

QJsonObject ParseJsonObject(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        throw ImportError("The bookmark file is damaged");
    return document.object();
}

std::string TextOf(const QJsonValue& value)
{
    return value.toString().toStdString();
}

void WalkJsonEntries(const QJsonArray& entries, ImportEvents& events, const JsonEntry& entry)
{
    struct Level {
        QJsonArray entries;
        qsizetype next = 0;
    };
    std::vector<Level> open{{entries}};
    while (!open.empty()) {
        Level& level = open.back();
        if (level.next == level.entries.size()) {
            open.pop_back();
            if (!open.empty())
                events.OnFolderEnd();
            continue;
        }
        const QJsonValue value = level.entries.at(level.next++);
        if (std::optional<QJsonArray> children = entry(value.toObject()))
            open.push_back({std::move(*children)});
    }
}

} // namespace tarnlink
