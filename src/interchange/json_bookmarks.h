#pragma once

// What the readers of the browsers' JSON bookmark files share: parsing with a clear error, and a
// walk over nested "children" arrays that keeps its own stack instead of the call stack's.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>

#include <functional>
#include <optional>
#include <string>

namespace tarnlink {

class ImportEvents;

// The top-level object. Throws ImportError for text that is no JSON object.
QJsonObject ParseJsonObject(const QByteArray& json);

// A JSON string as a node string.
std::string TextOf(const QJsonValue& value);

// Hands every object of entries, and of the arrays it returns, to entry in document order; an
// entry that returns an array is a folder, which ends (OnFolderEnd) after that array.
using JsonEntry = std::function<std::optional<QJsonArray>(const QJsonObject& entry)>;
void WalkJsonEntries(const QJsonArray& entries, ImportEvents& events, const JsonEntry& entry);

} // namespace tarnlink
