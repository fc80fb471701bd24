#pragma once
// The main window as a fuzzed command sees it: it counts every touch, and a value that a field
// does not take ends the run.
#include "app/commands/clock_commands.h"

#include <cstdlib>

namespace fuzzing {

class CheckingControls final : public dorvane::ClockControls
{
public:
    void ClickStart() override { ++touched; }
    void ClickStop() override { ++touched; }
    void ClickReset() override { ++touched; }
    Field AllowanceField(dorvane::AllowancePart part) const override
    {
        return {QStringLiteral("Field"), 0, part == dorvane::AllowancePart::Hours ? 99 : 60};
    }
    bool AllowanceTakes(dorvane::AllowancePart part, int value) const override
    {
        return value >= 0 && value <= AllowanceField(part).maxValue;
    }
    void TypeAllowance(dorvane::AllowancePart part, int value) override
    {
        ++touched;
        if (!AllowanceTakes(part, value))
            std::abort();
    }
    bool ClockViewShown() const override { return false; }
    bool ClockViewOnScreen() const override { return false; }
    void ShowClockView(bool) override { ++touched; }
    void BringToFront() override { ++touched; }
    void ChangeTimeLeft(int) override { ++touched; }
    dorvane::ClockStatus Status() const override { return {}; }

    int touched = 0;
};

} // namespace fuzzing
