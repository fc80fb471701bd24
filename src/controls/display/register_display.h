#pragma once

namespace dorvane {

// Makes the labels, link label, page control, pages, push button and panel known to the layout loader.
void registerDisplayControls();

} // namespace dorvane
