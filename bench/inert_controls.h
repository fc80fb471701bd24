#pragma once
// A stand-in for the main window's controls that takes every command and does nothing with it: a
// bench's clock shows only the status the bench gives it.
#include "app/commands/clock_commands.h"

namespace dorvane {

class InertControls : public ClockControls
{
public:
    void ClickStart() override {}
    void ClickStop() override {}
    void ClickReset() override {}
    Field AllowanceField(AllowancePart) const override { return {QStringLiteral("Hours"), 0, 99}; }
    bool AllowanceTakes(AllowancePart, int) const override { return true; }
    void TypeAllowance(AllowancePart, int) override {}
    bool ClockViewShown() const override { return false; }
    bool ClockViewOnScreen() const override { return false; }
    void ShowClockView(bool) override {}
    void BringToFront() override {}
    void ChangeTimeLeft(int) override {}
};

} // namespace dorvane
