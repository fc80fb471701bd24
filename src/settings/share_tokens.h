#pragma once
#include <optional>
#include <string>

namespace dorvane {

// The secrets of the shared clock's links: one that lets a screen watch the clock, one that also
// lets a phone or a button drive it. Each is 128 random bits written as 32 lowercase hex digits.
struct ShareTokens
{
    std::string view;
    std::string control;

    bool operator==(const ShareTokens &other) const { return view == other.view && control == other.control; }
};

// Fresh tokens from the kernel's cryptographic source; none when it cannot give any.
std::optional<ShareTokens> newShareTokens();

// The tokens kept in `path`, a file of their own that only its owner may read. It is read as the
// settings file is: only a regular file, small, never waited on. None when it is absent or does
// not hold two well-formed tokens; `refusal` then says why (empty when the file is simply absent).
std::optional<ShareTokens> readShareTokens(const std::string &path, std::string &refusal);

// Replaces the file with `tokens`, made with mode 0600 from the start so that no other user can
// read it at any moment, and renamed into place. False when it could not be written; the old
// file is then left as it was.
bool writeShareTokens(const std::string &path, const ShareTokens &tokens);

// The tokens in `path`, or new ones written there when it has none. None (with `error`) when no
// tokens could be made or kept.
std::optional<ShareTokens> loadOrCreateShareTokens(const std::string &path, std::string &error);

} // namespace dorvane
