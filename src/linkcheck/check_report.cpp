#include "check_report.h"

#include <QStringList>

namespace tarnlink {

QString OnOneLine(QString text)
{
    for (QChar& c : text)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return text;
}

QString ReportLine(const CheckRow& row)
{
    return QStringList{OnOneLine(row.name), OnOneLine(row.link), OnOneLine(row.error), OnOneLine(row.code)}.join(u'\t');
}

} // namespace tarnlink
