// Loading and saving the ten settings from a 10 MB settings file: one read (or write) per
// value, each of which reads the whole file afresh, as the program's start-up and close do.
#include "settings/settings_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// Filler sections before the program's own, so that every look-up scans the whole file.
std::string largeSettingsText(std::size_t size, const char *lineEnd)
{
    std::string text;
    text.reserve(size + 256);
    for (int section = 0; text.size() < size; ++section) {
        text += "[Filler" + std::to_string(section) + "]" + lineEnd;
        for (int key = 0; key < 100; ++key)
            text += "key" + std::to_string(key) + " = some stored text " + std::to_string(section) + lineEnd;
        text += lineEnd;
    }
    for (const char *line : {"[Time]", "Hours=1", "Mins=2", "Secs=3", "[Voice]", "Yes=0", "[Display]",
                             "Background=255", "Yes=1", "SecondsColor=65535", "ExpiredColor=255",
                             "Seconds=30", "TimeUp=0"})
        text += std::string(line) + lineEnd;
    return text;
}

class SettingsFixture
{
public:
    explicit SettingsFixture(const char *lineEnd)
    {
        char pattern[] = "/tmp/dorvane-bench-XXXXXX";
        if (!::mkdtemp(pattern))
            std::abort();
        m_dir = pattern;
        m_path = m_dir + "/Dorvane.Ini";
        std::ofstream(m_path, std::ios::binary) << largeSettingsText(10u << 20, lineEnd);
    }
    ~SettingsFixture()
    {
        std::remove(m_path.c_str());
        ::rmdir(m_dir.c_str());
    }
    const std::string &path() const { return m_path; }

private:
    std::string m_dir;
    std::string m_path;
};

const char *lineEndFor(const benchmark::State &state)
{
    return state.range(0) == 0 ? "\n" : state.range(0) == 1 ? "\r\n" : "\r";
}

void BM_LoadTenValues(benchmark::State &state)
{
    SettingsFixture fixture(lineEndFor(state));
    const dorvane::SettingsFile file(fixture.path());
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (const char *key : {"Hours", "Mins", "Secs"})
            sum += file.readInteger("Time", key, 0);
        sum += file.readBoolean("Voice", "Yes", true);
        for (const char *key : {"BackGround", "Yes", "SecondsColor", "ExpiredColor", "Seconds", "TimeUp"})
            sum += file.readInteger("Display", key, 0);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_LoadTenValues)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SaveTenValues(benchmark::State &state)
{
    SettingsFixture fixture(lineEndFor(state));
    dorvane::SettingsFile file(fixture.path());
    std::int32_t value = 0;
    for (auto _ : state) {
        ++value;
        for (const char *key : {"Hours", "Mins", "Secs"})
            file.writeInteger("Time", key, value);
        file.writeBoolean("Voice", "Yes", true);
        for (const char *key : {"Background", "Yes", "SecondsColor", "ExpiredColor", "Seconds", "TimeUp"})
            file.writeInteger("Display", key, value);
    }
}
BENCHMARK(BM_SaveTenValues)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
