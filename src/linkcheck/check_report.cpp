#include "check_report.h"

#include <QStringList>

#include <algorithm>

namespace tarnlink {

QString OnOneLine(QString text)
{
    const auto breaks = [](QChar c) { return c == u'\t' || c == u'\r' || c == u'\n'; };
    // Read-only first: a shared text without breaks is given back without a copy.
    if (std::any_of(text.cbegin(), text.cend(), breaks))
        std::replace_if(text.begin(), text.end(), breaks, u' ');
    return text;
}

QString ReportLine(const CheckRow& row)
{
    return QStringList{OnOneLine(row.name), OnOneLine(row.link), OnOneLine(row.error), OnOneLine(row.code)}.join(u'\t');
}

} // namespace tarnlink
