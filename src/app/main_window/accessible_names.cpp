#include "accessible_names.h"

#include "controls/accessible/field_caption.h"
#include "engine/clock_engine.h"

#include <QWidget>

namespace dorvane {

namespace {

QWidget *child(QWidget *form, const char *name)
{
    return form->findChild<QWidget *>(QLatin1String(name));
}

} // namespace

void nameMainFormControls(QWidget *form)
{
    const struct
    {
        const char *digits;
        const char *allowance;
    } clock[] = {{"lblHrs", "spnHrs"}, {"lblMins", "spnMin"}, {"lblSecs", "spnSec"}};
    for (const auto &field : clock)
        child(form, field.digits)->setAccessibleName(accessible::fieldCaption(child(form, field.allowance)));
    // The captions beside these name the moment, not the colour, and "@Seconds" already names
    // the spin edit between them.
    child(form, "cboSecondsColor")->setAccessibleName(QStringLiteral("Color at @Seconds"));
    child(form, "cboExpiredColor")->setAccessibleName(QStringLiteral("Color at @Time Expired"));
}

QString directionName(unsigned char arrowCode)
{
    return arrowCode == kArrowUp ? QStringLiteral("Counting up") : QStringLiteral("Counting down");
}

} // namespace dorvane
