// The cost of re-laying out a main-window-like form: one Rescale from design size to
// 3840 x 2160 (layout only), and a resize up to the painted frame.
#include "resize_measures.h"
#include "elastic/elastic_form.h"
#include "elastic/elastic_platform.h"
#include "elastic/qt_message_adapter.h"

#include <QApplication>
#include <benchmark/benchmark.h>
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
    form->setAttribute(Qt::WA_DontShowOnScreen);
    form->show();
    send(elastic, ElasticMessageId::ShowWindow, 1);
    dorvane::bench::measureRescaleDesignTo4K(state, *form, *elastic);
}
BENCHMARK(BM_RescaleDesignTo4K)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_ResizeToPaintedFrame(benchmark::State &state)
{
    auto form = buildForm();
    dorvane::bench::showActive(*form);
    dorvane::bench::measureResizeToPaintedFrame(state, *form);
}
BENCHMARK(BM_ResizeToPaintedFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    return dorvane::bench::runQtBenchmarks(argc, argv);
}
