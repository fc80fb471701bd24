#pragma once

namespace dorvane::accessible {

// Makes screen readers see the controls through the interfaces of this library. Call it before
// the first control exists (an interface, once made, stays with its control); later calls do nothing.
void installAccessibleInterfaces();

} // namespace dorvane::accessible
