// Loading a shared clock's page to its first digits, in a real browser (headless chromium) on
// loopback: from the start of the navigation to the moment the page first shows the clock (the
// mark it sets then), read back through the browser's DevTools protocol. Prints the median and
// p95 over the loads, and the weight of each page as served.
//
//   page_load_bench [--loads N]
#include "app/commands/clock_commands.h"
#include "inert_controls.h"
#include "app/share/share_pages.h"
#include "app/share/share_server.h"
#include "support/devtools_session.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace dorvane;

namespace {

// A stopped clock at 4:38 of a ten-minute count-down.
class StillControls final : public InertControls
{
public:
    ClockStatus Status() const override
    {
        ClockStatus s;
        s.countingDown = true;
        s.display = QStringLiteral("00 04 38");
        s.remainingSeconds = 278;
        s.allowanceSeconds = 600;
        return s;
    }
};

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const size_t at = std::min(values.size() - 1, size_t(share * double(values.size() - 1) + 0.5));
    return values[at];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int loads = 25;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--loads") == 0)
            loads = std::max(1, std::atoi(argv[i + 1]));

    for (const char *page : {"/view", "/clock", "/control"})
        std::printf("page weight %-9s %6lld bytes\n", page, static_cast<long long>(sharePage(QLatin1String(page)).html.size()));

    StillControls controls;
    ClockCommands commands(controls);
    const QString viewKey(32, QLatin1Char('a')), controlKey(32, QLatin1Char('c'));
    ShareServer server(commands, ShareTokens{viewKey.toStdString(), controlKey.toStdString()});
    QString error;
    if (!server.listen(QHostAddress::LocalHost, 0, error)) {
        std::fprintf(stderr, "listen: %s\n", qPrintable(error));
        return 1;
    }
    DevToolsSession browser;
    if (!browser.start(error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    browser.setViewport(390, 844, 3, true);

    for (const char *page : {"view", "control"}) {
        const QString key = std::strcmp(page, "control") == 0 ? controlKey : viewKey;
        const QUrl url(QStringLiteral("http://127.0.0.1:%1/%2?key=%3").arg(server.port()).arg(QLatin1String(page), key));
        std::vector<double> firstDigits, loaded;
        // One load to warm the browser's own start-up out of the numbers.
        for (int i = -1; i < loads; ++i) {
            browser.navigate(QUrl(QStringLiteral("about:blank")));
            if (!browser.waitUntil(QStringLiteral("location.href === 'about:blank'")))
                return 1;
            browser.navigate(url);
            if (!browser.waitUntil(QStringLiteral("performance.getEntriesByName('first-digits').length > 0"))) {
                std::fprintf(stderr, "the page never showed its digits\n");
                return 1;
            }
            if (i < 0)
                continue;
            firstDigits.push_back(browser.evaluate(QStringLiteral("performance.getEntriesByName('first-digits')[0].startTime")).toDouble());
            loaded.push_back(browser.evaluate(QStringLiteral("performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd")).toDouble());
        }
        std::printf("/%-8s %d loads: navigation start to first digits median %.1f ms, p95 %.1f ms "
                    "(page parsed and run: median %.1f ms)\n",
                    page, loads, percentile(firstDigits, 0.5), percentile(firstDigits, 0.95), percentile(loaded, 0.5));
    }
    return 0;
}
