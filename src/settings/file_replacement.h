#pragma once
#include <chrono>
#include <string>
#include <string_view>

namespace dorvane {

// Gives a file new contents as safely as its folder allows:
// - normally a temporary file beside it, carrying the old file's permissions, is renamed over
//   it, so that a failure or a crash leaves either the old file or the new one;
// - a file the user may not write is never replaced, though its folder would allow it;
// - where no temporary file can be made beside it but the file itself may be written, it is
//   rewritten in place;
// - a symbolic link is written through, to the file it points to.
// Temporary files left by earlier writes that were killed are removed first (see below).
// False when the file could not be written; it is then left as it was.
bool replaceFileContents(const std::string &path, std::string_view contents);

// Removes the temporary files "<target>.~<process id>-<attempt>" whose writing process has gone and that were last
// written at least minimumAge ago.
void removeLeftoverTemporaryFiles(const std::string &target,
                                  std::chrono::seconds minimumAge = std::chrono::minutes(1));

} // namespace dorvane
