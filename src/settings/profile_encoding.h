#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace dorvane {

// How a settings file's bytes map to the 8-bit text that ProfileDocument reads and edits. A file
// that starts with a UTF-16 byte-order mark (FF FE little-endian, FE FF big-endian) is read as
// UTF-16 and written back the same way; any other file is taken byte for byte.
enum class ProfileEncoding { Bytes, Utf16LittleEndian, Utf16BigEndian };

struct ProfileText
{
    ProfileEncoding encoding = ProfileEncoding::Bytes;
    // UTF-8 for a UTF-16 file, without its byte-order mark. A lone surrogate is kept as its
    // three-byte form, so that lines the program never touches are written back unchanged.
    std::string text;
    // A UTF-16 file of odd length ends in half a character; it stays at the end as it was.
    std::string strayByte;
};

ProfileText decodeProfileText(std::string bytes);

// The file's bytes, or nothing when the text cannot be stored in the file's encoding (bytes
// that are not UTF-8 in a text bound for a UTF-16 file).
std::optional<std::string> encodeProfileText(const ProfileText &text);

} // namespace dorvane
