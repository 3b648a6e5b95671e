#pragma once

// Reaching one part of a large JSON text without building the whole document: the members of an
// object and the elements of an array as spans of the text. Every span is checked for structure
// (strings end, brackets pair, members and elements are separated properly); scalars are not
// checked, so the part that is used is then parsed for real.

#include <QByteArrayView>

#include <optional>
#include <utility>
#include <vector>

namespace tarnlink::jsonskim {

using Member = std::pair<QByteArrayView, QByteArrayView>; // the key as written, the value's text

// Nothing unless the text is one object, or one array, and nothing else but blanks.
std::optional<std::vector<Member>> members(QByteArrayView object);
std::optional<std::vector<QByteArrayView>> elements(QByteArrayView array);

// The value of the first member with the key; empty when there is none.
QByteArrayView find(const std::vector<Member>& members, QByteArrayView key);

} // namespace tarnlink::jsonskim
