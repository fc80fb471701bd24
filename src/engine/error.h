#pragma once
#include <stdexcept>
#include <string>

namespace dorvane {

// An error carrying one of the system's own message texts. It is raised where the design
// says a failure is reported, and caught by the application's general error report.
class Error : public std::runtime_error
{
public:
    explicit Error(const std::string &message) : std::runtime_error(message) {}
};

} // namespace dorvane
