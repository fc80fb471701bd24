#pragma once
#include <chrono>

namespace dorvane {

// Everything a visitor may cost the clock, bounded. The defaults are what a room needs; tests
// shorten the waits so that they never wait in real time.
struct ShareLimits
{
    int maxConnections = 256;            // sockets open at once, pages and API calls together
    int maxRequestBytes = 16 * 1024;     // one request, headers and body
    std::chrono::milliseconds requestTimeout{10000}; // to send a whole request, or to send the next one
    int maxMessageBytes = 4 * 1024;      // one message on the live socket
    int commandsPerSecond = 20;          // per connection
    std::chrono::milliseconds failureDelay{500}; // before a wrong key is answered, doubled for each
                                                 // failure in a row from the same address
    std::chrono::milliseconds maxFailureDelay{8000};
};

} // namespace dorvane
