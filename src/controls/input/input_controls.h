#pragma once

namespace dorvane {

// Makes the input controls known to the layout loader by class name.
void registerInputControls();

} // namespace dorvane
