#pragma once
#include "engine/window_port.h"

#include <cstdio>
#include <string>
#include <vector>

// A WindowPort that answers reads from its fields and logs every call, reads prefixed with
// "read ", so tests can assert what the engine did and in which order.
class RecordingWindow final : public dorvane::WindowPort
{
public:
    std::int32_t hours = 0, minutes = 0, seconds = 0;
    std::int32_t direction = 0, voice = 1, colourChange = 1; // 0 is "Down" / "Yes"
    dorvane::Variant colourSeconds = dorvane::Variant(60);
    dorvane::ColourValue normal = dorvane::colours::Cream;
    dorvane::ColourValue secondsColour = dorvane::colours::Yellow;
    dorvane::ColourValue expired = dorvane::colours::Red;

    bool ticking = false;
    std::string digits; // last "HH MM SS" shown
    std::vector<std::string> log;

    // Calls other than reads since the last take, and forgets them.
    std::vector<std::string> takeOutputs()
    {
        std::vector<std::string> out;
        for (const auto &call : log)
            if (call.rfind("read ", 0) != 0)
                out.push_back(call);
        log.clear();
        return out;
    }

    static std::string paint(dorvane::ColourValue c) { return "paint " + std::to_string(c); }
    static std::string clip(const std::string &name) { return "clip " + name; }

    std::int32_t readAllowanceHours() override { return read("hours", hours); }
    std::int32_t readAllowanceMinutes() override { return read("minutes", minutes); }
    std::int32_t readAllowanceSeconds() override { return read("seconds", seconds); }
    std::int32_t readDirectionChoice() override { return read("direction", direction); }
    std::int32_t readVoiceChoice() override { return read("voice", voice); }
    std::int32_t readColourChangeChoice() override { return read("colour change", colourChange); }
    dorvane::Variant readColourChangeSeconds() override
    {
        log.push_back("read colour seconds");
        return colourSeconds;
    }
    dorvane::ColourValue readNormalColour() override { return read("normal", normal); }
    dorvane::ColourValue readSecondsColour() override { return read("seconds colour", secondsColour); }
    dorvane::ColourValue readExpiredColour() override { return read("expired", expired); }

    void showDigits(const std::string &h, const std::string &m, const std::string &s) override
    {
        digits = h + " " + m + " " + s;
        log.push_back("digits " + digits);
    }
    void showLeftArrow(unsigned char code) override { log.push_back("left " + hex(code)); }
    void showRightArrow(unsigned char code) override { log.push_back("right " + hex(code)); }
    void paintClockColour(dorvane::ColourValue c) override { log.push_back(paint(c)); }
    void setTicking(bool on) override
    {
        ticking = on;
        log.push_back(on ? "ticking on" : "ticking off");
    }
    void repaintNow() override { log.push_back("repaint"); }
    void showError(const std::string &message) override { log.push_back("error " + message); }
    void playClip(const std::string &name) override { log.push_back(clip(name)); }

private:
    std::int32_t read(const char *what, std::int32_t value)
    {
        log.push_back(std::string("read ") + what);
        return value;
    }
    static std::string hex(unsigned char code)
    {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%02X", code);
        return buf;
    }
};
