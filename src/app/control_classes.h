#pragma once

namespace dorvane {
// Makes every class the layout description names creatable by name. Safe to call again.
void registerControlClasses();
} // namespace dorvane
