// The cost of re-laying out a main-window-like form: one Rescale from design size to
// 3840 x 2160 (layout only), and a resize up to the painted frame.
#include "elastic/elastic_form.h"
#include "elastic/elastic_platform.h"
#include "elastic/qt_message_adapter.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <memory>

namespace {

using dorvane::ElasticMessageId;

void send(TElasticForm *e, ElasticMessageId id, quintptr wParam = 0)
{
    dorvane::ElasticMessage m(id, wParam);
    e->FormWndProc(m);
}

TControl *add(QWidget *parent, const QString &name, QRect r, int fontHeight = 0, bool windowed = true)
{
    TControl *c = windowed ? new TControl(parent) : new TGraphicControl(parent);
    c->SetName(name);
    c->SetBounds(r.x(), r.y(), r.width(), r.height());
    if (fontHeight)
        c->Font()->SetHeight(fontHeight);
    c->show();
    return c;
}

// The main window's shape: a page control with two pages, 16 and 10 controls, a footer.
std::unique_ptr<TForm> buildForm()
{
    auto form = std::make_unique<TForm>();
    form->SetName(QStringLiteral("MainForm"));
    form->SetPosition(TForm::poDesktopCenter);
    form->SetBounds(327, 295, 616, 468);
    TControl *pages = add(form.get(), QStringLiteral("cxPageControl1"), {0, 8, 608, 393});
    TControl *page1 = add(pages, QString(), {2, 2, 604, 366});
    TControl *page2 = add(pages, QString(), {2, 2, 604, 366});
    for (int i = 0; i < 3; ++i)
        add(page1, QStringLiteral("digit%1").arg(i), {7 + 203 * i, 5, 182, 225}, -200, false);
    for (int i = 0; i < 2; ++i)
        add(page1, QStringLiteral("arrow%1").arg(i), {6 + 527 * i, 238, 66, 124}, -101, false);
    for (int i = 0; i < 11; ++i)
        add(page1, QStringLiteral("input%1").arg(i), {114 + 30 * i, 264 + (i % 3) * 20, 49, 26}, -13);
    for (int i = 0; i < 10; ++i)
        add(page2, QStringLiteral("option%1").arg(i), {40 + 40 * (i % 4), 16 + 40 * (i / 4), 121, 24}, -13);
    TControl *panel = add(form.get(), QStringLiteral("Panel1"), {0, 408, 607, 33});
    for (int i = 0; i < 3; ++i)
        add(panel, QStringLiteral("footer%1").arg(i), {121 + 200 * i, 8, 150, 16}, -13, false);
    auto *elastic = new TElasticForm(form.get());
    elastic->SetDesignScreenWidth(1255);
    elastic->SetDesignScreenHeight(1004);
    elastic->SetDesignFormWidth(616);
    elastic->SetDesignFormHeight(468);
    elastic->SetDesignFormClientWidth(608);
    elastic->SetDesignFormClientHeight(441);
    elastic->SetResolutionIndependence(false);
    return form;
}

TElasticForm *elasticOf(TForm *form)
{
    return form->findChild<TElasticForm *>();
}

void BM_RescaleDesignTo4K(benchmark::State &state)
{
    auto form = buildForm();
    TElasticForm *elastic = elasticOf(form.get());
    elastic->Adapter()->SetTranslating(false);
    form->setAttribute(Qt::WA_DontShowOnScreen);
    form->show();
    send(elastic, ElasticMessageId::ShowWindow, 1);
    for (auto _ : state) {
        form->SetBounds(0, 0, 616, 468);
        elastic->Rescale();
        form->SetBounds(0, 0, 3840, 2160);
        const auto start = std::chrono::steady_clock::now();
        elastic->Rescale();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_RescaleDesignTo4K)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Through the real event path: the resize event reaches the component, which re-lays out;
// then the window and every control are painted before the call returns.
void BM_ResizeToPaintedFrame(benchmark::State &state)
{
    auto form = buildForm();
    form->show();
    form->activateWindow();
    while (!form->isActiveWindow())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    bool big = false;
    for (auto _ : state) {
        big = !big;
        const QSize client = big ? QSize(1900, 1040) : QSize(1000, 700);
        const auto start = std::chrono::steady_clock::now();
        form->resize(client);
        form->repaint();
        const auto end = std::chrono::steady_clock::now();
        if (form->size() != client) {
            state.SkipWithError("the window did not take the new size");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_ResizeToPaintedFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    dorvane::setMaximizedAreaHook([] { return QSize(3840, 2160); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
