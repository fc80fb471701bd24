#pragma once
#include "app/commands/clock_commands.h"

// The main window's allowance fields, named once: in the order of the allowance's parts, which is
// the order of the digit fields that show them (kDigitFields).
namespace dorvane {

inline constexpr const char *kAllowanceFields[] = {"spnHrs", "spnMin", "spnSec"};

inline const char *allowanceField(AllowancePart part)
{
    return kAllowanceFields[static_cast<int>(part)];
}

} // namespace dorvane
