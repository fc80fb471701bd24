#pragma once
#include <QString>

// How the running clock answers other programs on the session bus: the names both ends use.
namespace dorvane::remote {

// The bus name is the application ID; the clock is the bus's root object.
QString serviceName();
inline constexpr char kObjectPath[] = "/";
inline constexpr char kInterface[] = "example.pellgrove.Dorvane.Clock";

// Errors the clock answers with; their text is the message a user would read.
inline constexpr char kRefusedError[] = "example.pellgrove.Dorvane.Clock.Error.Refused";
inline constexpr char kOutOfRangeError[] = "example.pellgrove.Dorvane.Clock.Error.OutOfRange";
inline constexpr char kFailedError[] = "example.pellgrove.Dorvane.Clock.Error.Failed";

} // namespace dorvane::remote
