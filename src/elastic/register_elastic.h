#pragma once

namespace dorvane {
// Makes TElasticForm available to layout descriptions.
void registerElasticComponents();
} // namespace dorvane
