#include "accessible_names.h"

#include "app/clock_view/clock_fields.h"
#include "app/main_window/allowance_fields.h"
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
    // Each digit field is named by the caption of the allowance field of its part.
    for (int i = 0; i < 3; ++i)
        child(form, kDigitFields[i])->setAccessibleName(accessible::fieldCaption(child(form, kAllowanceFields[i])));
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
