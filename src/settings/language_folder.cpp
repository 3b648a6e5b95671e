#include "language_folder.h"

#include "platform/data_folder.h"

namespace tarnlink {

QString languageFolder()
{
    return shippedDataPath(QStringLiteral("Language"));
}

} // namespace tarnlink
