#include "font_configuration_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace dorvane {

// The first caller loads the configuration; the library keeps it for every later one.
FontConfigurationWarmUp::FontConfigurationWarmUp() : m_loader([] { FcInit(); }) {}

FontConfigurationWarmUp::~FontConfigurationWarmUp()
{
    finish();
}

void FontConfigurationWarmUp::finish()
{
    if (m_loader.joinable())
        m_loader.join();
}

} // namespace dorvane
