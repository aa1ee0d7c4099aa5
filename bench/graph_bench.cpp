// The cost of the per-tick graph redraw, and of a whole tick of the running
// window, at graph widths from the designed size to a wide screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "graph/draw_graph.h"
#include "platform/doubles/desktop_doubles.h"
#include "platform/os_factory.h"
#include "platform/qt/desktop_services.h"
#include "window/frm_main.h"
#include "window/graph_view.h"

namespace {

constexpr int kGraphHeight = 233;

void DrawGraphFullHistory(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    tidemark::SampleHistory history;
    history.HistoryCapacity = static_cast<std::int16_t>(width + 20);
    tidemark::PixelCanvas canvas(width, kGraphHeight);
    const tidemark::GraphSettings settings;
    tidemark::ShownGraph shown;
    std::int16_t reading = 0;
    for (int i = 0; i <= width + 20; ++i) history.append(static_cast<std::int16_t>(i % 100), 50);
    for (auto _ : state) {
        reading = static_cast<std::int16_t>((reading + 37) % 101);
        benchmark::DoNotOptimize(tidemark::DrawGraph(history, canvas, settings, reading, 50, shown));
    }
}
BENCHMARK(DrawGraphFullHistory)->Arg(365)->Arg(1900)->Arg(3800)->Unit(benchmark::kMicrosecond);

// One whole tick of the real window on this machine's backends: sample,
// memory, labels, DrawGraph and the repaint it causes, with a full history.
void WholeTick(benchmark::State& state) {
    auto samplerOs = tidemark::makeSamplerOs();
    auto machine = tidemark::makeMachineOs();
    tidemark::testing::FakeDialogs dialogs;
    tidemark::testing::FakeShell shell;
    tidemark::testing::FakeSettings settings;
    tidemark::testing::FakeInstanceLock lock;
    QTemporaryDir folder;
    auto clock = tidemark::makeSystemClock();
    tidemark::frmMain window(
        {*samplerOs, *machine, shell, dialogs, settings, lock, *clock, folder.path(), folder.path(), ""});
    window.Form_Load();
    window.updateTimer().stop();
    // The graph is 1900 pixels wide when the window is this much wider than designed.
    window.resize(window.width() + 1900 + 4 - window.graph().width(), window.height());
    for (int i = 0; i < 1930; ++i) window.tmrUpdate_Timer();
    state.counters["graph_width"] = window.graph().canvas().width();
    for (auto _ : state) window.tmrUpdate_Timer();
    window.updateTimer().stop();
}
BENCHMARK(WholeTick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
