#pragma once

#include <QString>

namespace tarnlink {

// A file or folder the program ships: beside the program when it is there (a build folder or a
// portable copy), else under <prefix>/share/tarnlink.
QString shippedDataPath(const QString& relativePath);

} // namespace tarnlink
