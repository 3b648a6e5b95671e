#pragma once

// The check report's lines: the window's saved report and the tool's output.

#include "check_listener.h"

#include <QString>

namespace tarnlink {

// text with every tab, CR and LF written as a blank.
QString OnOneLine(QString text);

// Name, tab, Link, tab, Error, tab, Code, with no line end (the saved report ends each line with
// CR LF). A tab, CR or LF inside a field is written as a blank, so every row stays one line of
// four fields whatever a name or an address holds.
QString ReportLine(const CheckRow& row);

} // namespace tarnlink
