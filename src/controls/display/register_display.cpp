#include "register_display.h"

#include "controls/base/control_registry.h"
#include "tcustomlabel.h"
#include "tcxbutton.h"
#include "tcxlabel.h"
#include "tcxpagecontrol.h"
#include "tovcurl.h"
#include "tpanel.h"

namespace dorvane {

void registerDisplayControls()
{
    ControlRegistry &registry = ControlRegistry::instance();
    registry.add<TLabel>();
    registry.add<TJvLabel>();
    registry.add<TcxLabel>();
    registry.add<TOvcURL>();
    registry.add<TcxPageControl>();
    registry.add<TcxTabSheet>();
    registry.add<TcxButton>();
    registry.add<TPanel>();
}

} // namespace dorvane
