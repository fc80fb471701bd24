#pragma once
#include <cstddef>
#include <string>

namespace dorvane {

// A file read whole into memory, or why it was not.
struct FileContents
{
    std::string bytes;
    std::string refusal; // empty when the file was read
    bool read() const { return refusal.empty(); }
};

// Reads a file the program takes from outside without ever waiting on it: only a regular file
// is read, so a FIFO, a device, a socket or a directory in its place is refused at once ("it is
// a FIFO"), as is a file of more than `maxBytes`.
FileContents readRegularFile(const std::string &path, std::size_t maxBytes);

} // namespace dorvane
