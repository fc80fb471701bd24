#include "control_classes.h"

#include "controls/accessible/accessible_factory.h"
#include "controls/base/control_registry.h"
#include "controls/base/ttimer.h"
#include "controls/display/register_display.h"
#include "controls/input/input_controls.h"
#include "elastic/register_elastic.h"

namespace dorvane {

void registerControlClasses()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    accessible::installAccessibleInterfaces(); // before the first control: an interface stays with its control
    ControlRegistry::instance().add<TTimer>();
    registerInputControls();
    registerDisplayControls();
    registerElasticComponents();
}

} // namespace dorvane
