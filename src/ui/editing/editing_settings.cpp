#include "ui/editing/editing_settings.h"

#include "settings/settings.h"

#include <utility>

namespace tarnlink {

AddOptions AddOptionsOf(const OptionsSection& o)
{
    return {o.http, o.uniqueUrl, o.chkSelectAutoFoler, o.msnPopup};
}

PasswordCharsets PasswordCharsetsOf(const OptionsSection& o)
{
    return {o.chkPNum, o.chkPStr, o.chkPPro, o.chkPOther};
}

VisitTimeOptions VisitTimeOptionsOf(const OptionsSection& o)
{
    const std::pair<bool, VisitUnit> units[] = {
        {o.inSec, VisitUnit::Seconds}, {o.inMin, VisitUnit::Minutes}, {o.inHour, VisitUnit::Hours},
        {o.inDay, VisitUnit::Days},    {o.inMonth, VisitUnit::Months}, {o.autoTime, VisitUnit::Auto},
        {o.noChange, VisitUnit::NoChange},
    };
    VisitTimeOptions visit{VisitUnit::Auto, o.date, o.time};
    for (const auto& [on, unit] : units)
        if (on) {
            visit.unit = unit;
            break;
        }
    return visit;
}

} // namespace tarnlink
