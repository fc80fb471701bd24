#include "register_elastic.h"

#include "elastic_form.h"

#include "controls/base/control_registry.h"

namespace dorvane {

void registerElasticComponents()
{
    ControlRegistry::instance().add<TElasticForm>();
}

} // namespace dorvane
