#include "clock_fields.h"

#include "controls/display/tcustomlabel.h"
#include "controls/display/tcxlabel.h"

namespace dorvane {

ColourValue DigitColourOf(const QWidget *window)
{
    return window->findChild<TJvLabel *>(QLatin1String(kDigitFields[0]))->Font()->Color();
}

void SetDigitColourOf(QWidget *window, ColourValue colour)
{
    for (const char *digits : kDigitFields)
        window->findChild<TJvLabel *>(QLatin1String(digits))->Font()->SetColor(colour);
    for (const char *arrow : kArrowFields)
        window->findChild<TcxLabel *>(QLatin1String(arrow))->Style()->Font()->SetColor(colour);
}

} // namespace dorvane
