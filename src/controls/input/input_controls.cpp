#include "input_controls.h"

#include "tcxradiogroup.h"
#include "tcxspinedit.h"
#include "tspinbutton.h"
#include "tspinedit.h"
#include "tcxcolorcombobox.h"

#include "controls/base/control_registry.h"

namespace dorvane {

void registerInputControls()
{
    ControlRegistry &registry = ControlRegistry::instance();
    registry.add<TSpinEdit>();
    registry.add<TSpinButton>();
    registry.add<TcxRadioGroup>();
    registry.add<TcxSpinEdit>();
    registry.add<TcxColorComboBox>();
}

} // namespace dorvane
