#pragma once

// The settings of the Options section that the editing windows act on, taken from the settings
// in memory.

#include "ui/editing/add_operations.h"
#include "model/password_generator.h"
#include "ui/kit/visit_time.h"

namespace tarnlink {

struct OptionsSection;

AddOptions AddOptionsOf(const OptionsSection& options);
PasswordCharsets PasswordCharsetsOf(const OptionsSection& options);
// The first of InSec, InMin, InHour, InDay, InMonth, AutoTime, NoChange that is on; AutoTime
// when none is.
VisitTimeOptions VisitTimeOptionsOf(const OptionsSection& options);

} // namespace tarnlink
