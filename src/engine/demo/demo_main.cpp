// A console stand-in for the main window: counts down from "hours minutes seconds" given on
// the command line (default 0 0 10), one "HH MM SS" line a second, and names each clip.
#include "engine/clock_engine.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

std::int32_t argOrZero(int argc, char **argv, int index, long max, std::int32_t fallback)
{
    if (index >= argc)
        return fallback;
    char *end = nullptr;
    const long v = std::strtol(argv[index], &end, 10);
    // Like the allowance inputs: text that is no whole number in range reads as 0.
    return (*end != '\0' || v < 0 || v > max) ? 0 : static_cast<std::int32_t>(v);
}

class ConsoleWindow final : public dorvane::WindowPort
{
public:
    ConsoleWindow(std::int32_t h, std::int32_t m, std::int32_t s) : m_h(h), m_m(m), m_s(s) {}

    bool ticking() const { return m_ticking; }

    std::int32_t readAllowanceHours() override { return m_h; }
    std::int32_t readAllowanceMinutes() override { return m_m; }
    std::int32_t readAllowanceSeconds() override { return m_s; }
    std::int32_t readDirectionChoice() override { return 0; }
    std::int32_t readVoiceChoice() override { return 0; }
    std::int32_t readColourChangeChoice() override { return 0; }
    dorvane::Variant readColourChangeSeconds() override { return dorvane::Variant(5); }
    dorvane::ColourValue readNormalColour() override { return dorvane::colours::Cream; }
    dorvane::ColourValue readSecondsColour() override { return dorvane::colours::Yellow; }
    dorvane::ColourValue readExpiredColour() override { return dorvane::colours::Red; }

    void showDigits(const std::string &h, const std::string &m, const std::string &s) override
    {
        std::printf("%s %s %s\n", h.c_str(), m.c_str(), s.c_str());
        std::fflush(stdout);
    }
    void showLeftArrow(unsigned char) override {}
    void showRightArrow(unsigned char) override {}
    void paintClockColour(dorvane::ColourValue c) override
    {
        std::printf("  [colour %06X]\n", static_cast<unsigned>(c));
    }
    void setTicking(bool on) override { m_ticking = on; }
    void repaintNow() override {}
    void showError(const std::string &message) override
    {
        std::fprintf(stderr, "Error: %s\n", message.c_str());
    }
    void playClip(const std::string &name) override { std::printf("  [clip %s]\n", name.c_str()); }

private:
    std::int32_t m_h, m_m, m_s;
    bool m_ticking = false;
};

} // namespace

int main(int argc, char **argv)
{
    ConsoleWindow window(argOrZero(argc, argv, 1, 99, 0), argOrZero(argc, argv, 2, 60, 0),
                         argOrZero(argc, argv, 3, 60, 10));
    dorvane::ClockEngine engine(window);
    engine.ResetClock();
    engine.StartClock();
    if (!window.ticking())
        return 1;
    auto due = std::chrono::steady_clock::now();
    while (window.ticking()) {
        due += std::chrono::seconds(1);
        std::this_thread::sleep_until(due);
        engine.AdvanceClock();
    }
    return 0;
}
