// How long does the program take from process start to its first painted frame, and how
// much memory has it touched by then, against a bare Qt window of the same client size?
// Spawns startup_probe alternately in its modes, reads back the CLOCK_MONOTONIC of each
// child's first paint event and its peak RSS, and prints median, min and max.
//
//   startup_bench [--runs N] [--probe [LABEL=]PATH]...
//
// Several probes (say, builds before and after a change) run alternately in one run, so that
// the machine's load falls on all alike; each gives its rows, named by its label. A mode that
// an older probe does not know is left out of its rows.
//
// The children run on the platform the caller chose: QT_QPA_PLATFORM when set, the display
// in DISPLAY or WAYLAND_DISPLAY when there is one (xvfb-run -a startup_bench), otherwise
// offscreen. One untimed run of each mode comes first, so that both start from a warm cache.
#include <algorithm>
#include <array>
#include <iterator>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char **environ;

namespace {

std::int64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

std::string directoryOfThisExecutable()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    const std::string exe(path, std::size_t(length));
    const std::size_t slash = exe.rfind('/');
    return slash == std::string::npos ? "." : exe.substr(0, slash);
}

// The environment the children get, and a description of the platform it selects.
class ChildEnvironment
{
public:
    ChildEnvironment()
    {
        for (char **entry = environ; *entry; ++entry)
            m_entries.emplace_back(*entry);
        if (const char *platform = std::getenv("QT_QPA_PLATFORM"); platform && *platform) {
            m_description = std::string(platform) + " (from QT_QPA_PLATFORM)";
        } else if (const char *display = std::getenv("DISPLAY"); display && *display) {
            m_description = std::string("Qt's choice for DISPLAY=") + display;
        } else if (const char *wayland = std::getenv("WAYLAND_DISPLAY"); wayland && *wayland) {
            m_description = std::string("Qt's choice for WAYLAND_DISPLAY=") + wayland;
        } else {
            m_entries.emplace_back("QT_QPA_PLATFORM=offscreen");
            m_description = "offscreen (set by this harness)";
        }
        for (std::string &entry : m_entries)
            m_pointers.push_back(entry.data());
        m_pointers.push_back(nullptr);
    }

    // The same entries and one more, for one child; `entry` must outlive the child's start.
    std::vector<char *> with(std::string &entry) const
    {
        std::vector<char *> pointers(m_pointers.begin(), m_pointers.end() - 1);
        pointers.push_back(entry.data());
        pointers.push_back(nullptr);
        return pointers;
    }
    const std::string &description() const { return m_description; }

private:
    std::vector<std::string> m_entries;
    std::vector<char *> m_pointers;
    std::string m_description;
};

// A fresh folder for one run of the main window, holding the display font as an installed
// program has it beside the executable; removed with everything the run left in it.
class RunFolder
{
public:
    RunFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "startup_bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        m_path = pattern;
        std::error_code error;
        std::filesystem::copy_file(DORVANE_BUILT_DISPLAY_FONT, std::filesystem::path(m_path) / "arialnb.ttf", error);
        if (error) {
            std::fprintf(stderr, "startup_bench: cannot copy the display font: %s\n", error.message().c_str());
            remove();
        }
    }
    ~RunFolder() { remove(); }
    RunFolder(const RunFolder &) = delete;
    RunFolder &operator=(const RunFolder &) = delete;

    bool ready() const { return !m_path.empty(); }
    const std::string &path() const { return m_path; }

private:
    void remove()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
        m_path.clear();
    }

    std::string m_path;
};

// The legs of a start-up, from the spawn to the first paint; the probe marks the points between.
constexpr const char *kLegNames[] = {"to main()", "application", "window built", "shown", "to first paint"};
constexpr std::size_t kLegs = std::size(kLegNames);

struct Sample
{
    double startToPaintMs = 0;
    std::optional<std::array<double, kLegs>> legMs; // absent from a probe that marks no stages
    double peakRssMib = 0;
    std::string window;   // the size the probe saw, "608x441"
    std::string platform; // the platform the probe ran on
};

// One child process of the probe: spawned, its output collected, its report parsed.
class ProbeRun
{
public:
    ProbeRun(const std::string &probe, const char *mode, const ChildEnvironment &environment)
        : m_probe(probe), m_mode(mode), m_folderEntry("STARTUP_PROBE_FOLDER=" + m_folder.path()),
          m_environment(environment.with(m_folderEntry))
    {
    }

    // The sample, or nothing with the reason (and the child's output) on stderr.
    std::optional<Sample> measure()
    {
        if (!m_folder.ready())
            return fail("cannot prepare a folder for the run");
        int pipeEnds[2];
        if (pipe2(pipeEnds, O_CLOEXEC) != 0)
            return fail(std::string("pipe: ") + std::strerror(errno));

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
        char *argv[] = {m_probe.data(), m_mode.data(), nullptr};

        pid_t child = 0;
        const std::int64_t spawnedAt = monotonicNanoseconds();
        const int spawnError = posix_spawn(&child, m_probe.c_str(), &actions, nullptr, argv, m_environment.data());
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        if (spawnError != 0) {
            close(pipeEnds[0]);
            return fail("cannot start " + m_probe + ": " + std::strerror(spawnError));
        }

        readAll(pipeEnds[0]);
        close(pipeEnds[0]);
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        if (WIFEXITED(status) && WEXITSTATUS(status) == kUsageStatus) {
            m_modeUnknown = true;
            return std::nullopt;
        }
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return fail("the probe did not exit cleanly (status " + std::to_string(status) + ")");
        return parse(spawnedAt);
    }

    // Whether the probe refused the mode (a build from before the mode existed).
    bool modeUnknown() const { return m_modeUnknown; }

private:
    static constexpr int kUsageStatus = 64;

    void readAll(int fd)
    {
        char buffer[4096];
        for (;;) {
            const ssize_t got = read(fd, buffer, sizeof buffer);
            if (got > 0)
                m_output.append(buffer, std::size_t(got));
            else if (got == 0 || errno != EINTR)
                return;
        }
    }

    std::optional<Sample> parse(std::int64_t spawnedAt)
    {
        const std::size_t line = m_output.find("first-paint-ns=");
        if (line == std::string::npos)
            return fail("the probe reported no first paint");
        long long paintedAt = 0;
        long peakKib = 0;
        char window[32] = {};
        char platform[64] = {};
        if (std::sscanf(m_output.c_str() + line, "first-paint-ns=%lld peak-rss-kib=%ld window=%31s platform=%63s",
                        &paintedAt, &peakKib, window, platform) != 4)
            return fail("unreadable report from the probe");
        if (paintedAt < spawnedAt)
            return fail("the reported paint precedes the spawn");
        Sample sample;
        sample.startToPaintMs = double(paintedAt - spawnedAt) / 1e6;
        sample.peakRssMib = double(peakKib) / 1024.0;
        sample.window = window;
        sample.platform = platform;
        sample.legMs = legs(spawnedAt, paintedAt);
        return sample;
    }

    std::optional<std::array<double, kLegs>> legs(std::int64_t spawnedAt, std::int64_t paintedAt) const
    {
        const std::size_t line = m_output.find("stages-ns=");
        long long marks[kLegs + 1] = {spawnedAt, 0, 0, 0, 0, paintedAt};
        if (line == std::string::npos ||
            std::sscanf(m_output.c_str() + line, "stages-ns=%lld,%lld,%lld,%lld", &marks[1], &marks[2], &marks[3],
                        &marks[4]) != 4 ||
            !std::is_sorted(std::begin(marks), std::end(marks)))
            return std::nullopt;
        std::array<double, kLegs> legMs{};
        for (std::size_t i = 0; i < kLegs; ++i)
            legMs[i] = double(marks[i + 1] - marks[i]) / 1e6;
        return legMs;
    }

    std::optional<Sample> fail(const std::string &reason) const
    {
        std::fprintf(stderr, "startup_bench: %s %s: %s\n", m_probe.c_str(), m_mode.c_str(), reason.c_str());
        if (!m_output.empty())
            std::fprintf(stderr, "--- probe output ---\n%s--- end ---\n", m_output.c_str());
        return std::nullopt;
    }

    std::string m_probe;
    std::string m_mode;
    RunFolder m_folder;
    std::string m_folderEntry;
    std::vector<char *> m_environment;
    std::string m_output;
    bool m_modeUnknown = false;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The samples of one mode, and its row of the table.
class Series
{
public:
    Series(std::string probe, std::string label, const char *mode)
        : m_probe(std::move(probe)), m_label(std::move(label)), m_mode(mode)
    {
    }

    const std::string &probe() const { return m_probe; }
    const char *mode() const { return m_mode; }
    void add(const Sample &sample) { m_samples.push_back(sample); }

    void printRow() const
    {
        std::vector<double> times, rss;
        for (const Sample &s : m_samples) {
            times.push_back(s.startToPaintMs);
            rss.push_back(s.peakRssMib);
        }
        std::printf("%-32s %9s %10.1f %8.1f %8.1f %12.1f\n", m_label.c_str(), m_samples.front().window.c_str(),
                    median(times), *std::min_element(times.begin(), times.end()),
                    *std::max_element(times.begin(), times.end()), median(rss));
    }

    // The median of each leg, when every sample marked its stages.
    void printLegs() const
    {
        std::printf("%-32s", m_label.c_str());
        for (std::size_t leg = 0; leg < kLegs; ++leg) {
            std::vector<double> times;
            for (const Sample &s : m_samples) {
                if (!s.legMs) {
                    std::printf(" (no stages marked)\n");
                    return;
                }
                times.push_back((*s.legMs)[leg]);
            }
            std::printf(" %14.1f", median(times));
        }
        std::printf("\n");
    }

    // The platform the children reported, or "mixed" if they disagree.
    std::string platform() const
    {
        for (const Sample &s : m_samples)
            if (s.platform != m_samples.front().platform)
                return "mixed";
        return m_samples.front().platform;
    }

private:
    std::string m_probe;
    std::string m_label;
    const char *m_mode;
    std::vector<Sample> m_samples;
};

int usage()
{
    std::fprintf(stderr, "usage: startup_bench [--runs N] [--probe [LABEL=]PATH]...\n");
    return 64;
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 10;
    std::vector<std::pair<std::string, std::string>> probes; // label, path
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
            if (runs < 1)
                return usage();
        } else if (option == "--probe" && i + 1 < argc) {
            const std::string given = argv[++i];
            const std::size_t equals = given.find('=');
            if (equals == std::string::npos)
                probes.emplace_back("", given);
            else
                probes.emplace_back(given.substr(0, equals) + ": ", given.substr(equals + 1));
        } else {
            return usage();
        }
    }

    if (probes.empty())
        probes.emplace_back("", directoryOfThisExecutable() + "/startup_probe");

    ChildEnvironment environment;
    std::vector<Series> series;
    for (const auto &[label, path] : probes) {
        series.emplace_back(path, label + "Dorvane main window", "--dorvane");
        series.emplace_back(path, label + "bare QWidget", "--bare");
        series.emplace_back(path, label + "bare QWidget + one QLabel", "--bare-label");
    }

    // Alternate the modes so that drift in the machine's load falls on both alike.
    for (int run = -1; run < runs; ++run) {
        for (auto s = series.begin(); s != series.end();) {
            ProbeRun probe(s->probe(), s->mode(), environment);
            std::optional<Sample> sample = probe.measure();
            if (!sample && run < 0 && probe.modeUnknown()) {
                s = series.erase(s);
                continue;
            }
            if (!sample) {
                if (probe.modeUnknown())
                    std::fprintf(stderr, "startup_bench: %s refused %s\n", s->probe().c_str(), s->mode());
                return 1;
            }
            if (run >= 0)
                s->add(*sample);
            ++s;
        }
    }

    std::printf("Start-up to first paint event of the window: %d runs of each after one untimed run\n", runs);
    std::printf("Platform: %s; the probes ran on \"%s\"\n\n", environment.description().c_str(),
                series.front().platform().c_str());
    std::printf("%-32s %9s %10s %8s %8s %12s\n", "window", "size", "median ms", "min ms", "max ms",
                "peak RSS MiB");
    for (const Series &s : series)
        s.printRow();
    std::printf("\nWhere the time went, median ms of each leg\n%-32s", "window");
    for (const char *leg : kLegNames)
        std::printf(" %14s", leg);
    std::printf("\n");
    for (const Series &s : series)
        s.printLegs();
    return 0;
}
