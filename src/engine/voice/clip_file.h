#pragma once
#include "engine/regular_file.h"

#include <cstddef>
#include <string>

namespace dorvane {

// The largest voice clip file that is read: 16 MiB, over six minutes of the built-in clips'
// format. A larger file is no time announcement, and reading it would only cost memory.
inline constexpr std::size_t kMaxClipFileBytes = std::size_t(16) << 20;

// Reads a clip file without ever waiting on it (see readRegularFile), refusing a file over
// kMaxClipFileBytes and a waveform whose sound data ends before its header says it does.
FileContents readClipFile(const std::string &path);

// Why a RIFF waveform image is cut short (its sound data shorter than its header says), or
// empty when it is whole or is no waveform at all (the decoder then says what is wrong).
std::string waveTruncation(const std::string &image);

} // namespace dorvane
