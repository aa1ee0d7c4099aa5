// Start-up, the tick, the re-layout and what the window draws, in pixels.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "window/graph_view.h"
#include "window/meter_panel.h"
#include "window/scale_strip.h"
#include "window/window_fixture.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;
using MainWindow = WindowFixture;
constexpr std::int64_t kSecond = 10'000'000;

QRect designed(const TwipRect& r) {
    return {twipsToPixels(r.L), twipsToPixels(r.T), twipsToPixels(r.W), twipsToPixels(r.H)};
}

bool within(const QRect& actual, const QRect& expected, int pixels) {
    return std::abs(actual.left() - expected.left()) <= pixels && std::abs(actual.top() - expected.top()) <= pixels &&
           std::abs(actual.width() - expected.width()) <= pixels &&
           std::abs(actual.height() - expected.height()) <= pixels;
}

TEST_F(MainWindow, StartCounter) {
    const std::tuple<const char*, int, const char*> rows[] = {{nullptr, 0, "2"}, {"18", 1, "19"}, {"38", 1, "39"},
                                                              {"17", 0, "18"},   {"19", 0, "20"}, {"abc", 0, "1"}};
    for (const auto& [stored, pagesOpened, next] : rows) {
        SCOPED_TRACE(stored ? stored : "absent");
        settings.values.clear();
        shell.opened.clear();
        if (stored) settings.values["MarloFenwick/TideMark/Tel"] = stored;
        started();
        EXPECT_EQ(shell.opened, QStringList(pagesOpened, "https://tidemark.example.org/"));
        EXPECT_EQ(settings.values.value("MarloFenwick/TideMark/Tel"), next);
    }
}

TEST_F(MainWindow, SecondInstanceSaysSoAndEndsWithoutCounting) {
    lock.otherRunning = true;
    make();
    EXPECT_FALSE(window->Form_Load());
    EXPECT_EQ(dialogs.shown, QStringList{"TIDEMARK|Only one copy of this program can be used."});
    EXPECT_EQ(settings.writes, 0);
    EXPECT_TRUE(QFileInfo(programDir.path() + "/Log").isDir()) << "the log folder comes first";
}

TEST_F(MainWindow, LayoutAtTheDesignedSizeAndWider) {
    make();
    window->show();
    window->resize(900, 500);  // before start-up ends: the design stands
    QCoreApplication::processEvents();
    EXPECT_EQ(geometryOf("Graph"), designed(StretchLayout{}.Graph));
    ASSERT_TRUE(window->Form_Load());
    window->resize(534, 352);
    const StretchLayout design;
    EXPECT_TRUE(within(geometryOf("Graph"), designed(design.Graph), 1));
    EXPECT_TRUE(within(geometryOf("FrmVU"), designed(design.FrmVU), 1));
    EXPECT_TRUE(within(geometryOf("picLabels(1)"), designed(design.picLabels1), 2))
        << "the formulas give 35 twips less";
    const std::int16_t count = window->history().HistoryCount;
    window->resize(1271, 352);
    EXPECT_EQ(window->history().HistoryCount, count + 1) << "one tick per re-layout";
    EXPECT_NEAR(geometryOf("FrmVU").right() + 1, 1271 - 3, 1);
    EXPECT_EQ(window->history().HistoryCapacity, window->graph().contentsRect().width() + 20);
    window->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->history().HistoryCount, count + 1) << "no layout while minimised";
    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->history().HistoryCount, count + 2) << "restoring lays out and ticks";
}

// The window's height gives way in the graph, then in the meter bars, which
// are cut off above the options row, not covered; the figures stay whole.
// The stretch rule, in twips: the graph's frame takes the width the meters
// leave and the height the strip leaves; the graph keeps its borders inside.
TEST(Layout, GraphStretchesWithTheWindowAndTheMetersKeepTheirWidth) {
    const StretchLayout design, next = relayout(12000, 6000, design);
    EXPECT_EQ(next.FrmGraph.W, 12000 - 1710 - 360);
    EXPECT_EQ(next.Graph.W, next.FrmGraph.W - 620);
    EXPECT_EQ(next.FrmVU.L, 12000 - 1710 - 180);
    EXPECT_EQ(next.FrmVU.W, 1710);
    EXPECT_EQ(next.Graph.H, next.FrmGraph.H - 420);
    EXPECT_EQ(next.picLabels1.H, next.Graph.H + 60);
}

// A taller graph spreads its scale: the labels are printed again at the new
// spacing, down to the graph's new bottom.
TEST_F(MainWindow, ResizedGraphPrintsItsScaleAtTheNewSpacing) {
    started();
    const auto lowestInk = [this] {
        const QImage strip = control<ScaleStrip>("picLabels(0)")->image();
        return inkBounds(strip, strip.pixelColor(strip.width() - 1, strip.height() - 1)).bottom();
    };
    const int before = lowestInk();
    window->resize(534, 500);
    EXPECT_GE(lowestInk(), before + 140) << "the window grew by 148 pixels";
}

TEST_F(MainWindow, SmallestWindowKeepsTheFiguresTheGraphAndTheOptionsApart) {
    started();
    window->resize(10, 10);
    EXPECT_EQ(window->size(), QSize(530, 173));
    EXPECT_LT(window->graph().contentsRect().height(), 110) << "the scale's crowded labels are reachable";
    const QRect graph = geometryOf("FrmGraph"), meters = geometryOf("FrmVU"), strip = geometryOf("Picture2");
    EXPECT_FALSE(graph.intersects(meters) || graph.intersects(strip) || meters.intersects(strip));
    for (const QRect& part : {graph, meters, strip}) EXPECT_TRUE(window->rect().contains(part));
    EXPECT_TRUE(strip.contains(geometryOf("Frame3").translated(strip.topLeft()))) << "every button reachable";
    for (const char* figure : {"Label3", "Label4"}) {
        auto* label = control(figure);
        EXPECT_TRUE(meters.contains(QRect(label->mapTo(window.get(), QPoint()), label->size()))) << figure;
    }
    window->resize(534, 352);
    EXPECT_TRUE(within(geometryOf("FrmVU"), designed(StretchLayout{}.FrmVU), 1)) << "the meters whole again";
}

// Wider than its label, a figure is squeezed, not cut off at the edge.
void expectWholeTextShows(QLabel* label) {
    SCOPED_TRACE(label->text().toStdString());
    const QImage shot = label->grab().toImage();
    const QRect ink = inkBounds(shot, label->palette().color(QPalette::Window));
    EXPECT_LT(ink.right(), shot.width() - 1) << "the text runs into the edge";
#ifndef _WIN32  // Windows' off-screen platform measures text larger than it draws it
    EXPECT_GE(ink.width(), label->fontMetrics().horizontalAdvance(label->text()) * 7 / 10);
#endif
}

TEST_F(MainWindow, TickShowsTheReadingAndMemoryFiguresWhole) {
    started();
    for (const std::int64_t gigabytes : {1, 24, 2048}) {
        machine.status.totalPhys = gigabytes << 30;
        machine.status.availPhys = gigabytes << 29;
        window->tmrUpdate_Timer();
        for (const char* name : {"Label8", "Label10"}) expectWholeTextShows(control<QLabel>(name));
    }
    EXPECT_EQ(text("Label8"), "2097152 Mb");
    EXPECT_FALSE(geometryOf("Label8").intersects(geometryOf("Label11")));
    EXPECT_TRUE(control("FrmVU")->rect().contains(geometryOf("Label8")));
}

TEST_F(MainWindow, ProcessorFigureIsTheMeanWithin0To100AndSurvivesSamplerErrors) {
    samplerOs.processors = 3;
    samplerOs.blocks = {processorData(0, {0, 0, 0}),
                        processorData(1, {9 * kSecond / 10, 8 * kSecond / 10, 69 * kSecond / 100}),
                        processorData(2, {2 * kSecond, 2 * kSecond, 2 * kSecond})};
    started();
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "20 %") << "10, 20 and 31 make 20.33";
    EXPECT_EQ(text("Label6"), "20 %");
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "0 %") << "idle longer than the elapsed time reads below 0";
    auto broken = processorData(3, {0, 0, 0});
    broken[0] = std::byte{'X'};
    samplerOs.blocks = {broken};
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "0 %") << "the previous figure stands";
}

// The distances between the tops of the lit segments in the first column
// that holds the lit colour.
std::vector<int> segmentTops(const QImage& shot, QColor lit) {
    for (int x = 0; x < shot.width(); ++x) {
        std::vector<int> tops;
        for (int y = 0; y < shot.height(); ++y)
            if (shot.pixelColor(x, y) == lit && (y == 0 || shot.pixelColor(x, y - 1) != lit)) tops.push_back(y);
        if (tops.empty()) continue;
        std::vector<int> distances;
        for (std::size_t i = 1; i < tops.size(); ++i) distances.push_back(tops[i] - tops[i - 1]);
        return distances;
    }
    return {};
}

// What the window shows after real ticks: the segments lit and in which
// colour, the figures, the clock line and the lists' entries.
TEST_F(MainWindow, MetersFiguresClockLineAndListsShowTheReading) {
    samplerOs.blocks = {processorData(0, {0, 0}), processorData(1, {63 * kSecond / 100, 63 * kSecond / 100})};
    machine.status.totalPhys = 1000 * 1024;
    machine.status.availPhys = 390 * 1024;  // 61 % in use
    started();
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "37 %");
    EXPECT_EQ(text("Label4"), "61 %");
    EXPECT_EQ(litSegments(true), 8) << "segments 0 .. floor(37 / 5)";
    EXPECT_EQ(litSegments(false), 13) << "segments 0 .. floor(61 / 5)";
    EXPECT_EQ(meters().segmentColor(true, 7), QColor(0, 100, 255));
    EXPECT_EQ(meters().segmentColor(false, 12), QColor(255, 255, 0));
    const QImage panel = control<QWidget>("Picture1")->grab().toImage();
    EXPECT_EQ(segmentTops(panel, QColor(0, 100, 255)), (std::vector<int>(7, 8))) << "120 twips apart";
    auto broken = processorData(2, {0, 0});
    broken[0] = std::byte{'X'};
    samplerOs.blocks = {broken};
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "37 %") << "a sampler error keeps the previous figure";
    EXPECT_EQ(itemsOf("CmbRefresh"),
              QStringList({"100", "200", "300", "400", "500", "600", "700", "800", "900", "1000"}));
    EXPECT_EQ(itemsOf("CmbSchaal"), QStringList({"5", "10", "15", "20", "25", "35", "50"}));
    for (const std::int32_t mhz : {2394, 0}) {
        SCOPED_TRACE(mhz);
        machine.mhz = mhz;
        started();
        window->tmrUpdate_Timer();
        EXPECT_EQ(clockLine()->isVisible(), mhz != 0) << "the clock line only for a clock that reads";
        if (mhz) EXPECT_EQ(clockLine()->text(), "2394 Mc");
    }
}

// Where the performance data holds no processor figures (counters switched
// off, or Wine), nothing made up is shown, lit, drawn or logged, and the user
// hears why once.
TEST_F(MainWindow, NoProcessorFiguresShowNothingMadeUpAndSaySoOnce) {
    samplerOs.blocks = {perf::writePerfData({u"PERF", {2026, 12, 0, 6, 12, 0, 0, 0}, {}})};
    machine.status.totalPhys = 1000 * 1024;
    machine.status.availPhys = 390 * 1024;  // 61 % in use
    started();
    control<QToolButton>("chkLogTodisk")->click();
    for (int tick = 0; tick < 3; ++tick) window->tmrUpdate_Timer();
    QCoreApplication::processEvents();
    EXPECT_EQ(text("Label3"), "n/a");
    EXPECT_EQ(text("Label6"), "n/a");
    EXPECT_EQ(text("Label4"), "61 %");
    const auto* meters = control<MeterPanel>("Picture1");
    EXPECT_NE(meters->segmentColor(true, 0), meters->segmentColor(false, 0)) << "no processor segment lit";
    const QImage graph = window->graph().image();
    for (int y = 0; y < graph.height(); ++y)
        for (int x = 0; x < graph.width(); ++x) ASSERT_NE(graph.pixelColor(x, y), QColor(0, 100, 255)) << x << "," << y;
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].contains("holds no processor figures")) << dialogs.shown[0].toStdString();
    QFile log(programFolder + "/Log/" + QDir(programFolder + "/Log").entryList(QDir::Files).value(0));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().count("\r\n\t61\r\n"), 3) << "an empty processor field each tick";
}

TEST_F(MainWindow, ScaleDivisionPickRedrawsWithTheNewGridAtOnce) {
    started();
    auto* schaal = control<QComboBox>("CmbSchaal");
    schaal->setFocus();
    QTest::keyClick(schaal, Qt::Key_End);  // "50"
    const QImage image = window->graph().image();
    EXPECT_EQ(image.pixel(0, 116), qRgb(128, 128, 128)) << "50 % of 233 rows: 116.5, halves to even";
    EXPECT_EQ(image.pixel(0, qRound(0.1 * image.height())), qRgb(0, 0, 0)) << "no line at 10 % any more";
}

// After ticks that only scroll, what the screen shows of the graph is the
// picture itself: the moved part and the newly painted column line up, and
// the read-out box held over the graph meanwhile leaves nothing behind.
TEST_F(MainWindow, ScreenShowsThePictureAfterScrolling) {
    samplerOs.processors = 1;
    samplerOs.blocks.clear();
    for (int second = 0, idle = 0; second < 40; idle += second++ % 2)  // 100 % and 0 % in turn
        samplerOs.blocks.push_back(processorData(second, {idle * kSecond}));
    started();
    QCoreApplication::processEvents();
    auto* graph = control<GraphView>("Graph");
    const QPoint held = graph->contentsRect().topLeft() + QPoint(200, 100);
    for (int i = 0; i < 30; ++i) {
        if (i == 10) {
            QTest::mousePress(graph, Qt::LeftButton, {}, held);
            ASSERT_TRUE(control("txtValue")->isVisible());
        }
        if (i == 20) QTest::mouseRelease(graph, Qt::LeftButton, {}, held);
        window->tmrUpdate_Timer();
        QCoreApplication::processEvents();
    }
    const QRect inner(graph->mapTo(window.get(), graph->contentsRect().topLeft()), graph->contentsRect().size());
    const QImage screen = window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QRect list(control("CmbSchaal")->mapTo(window.get(), QPoint()), control("CmbSchaal")->size());
    QImage picture = graph->image().convertToFormat(QImage::Format_RGB32);
    QPainter(&picture).drawImage(list.topLeft() - inner.topLeft(),
                                 screen.copy(list));  // the scale list covers a corner
    EXPECT_EQ(screen.copy(inner), picture);
}

}  // namespace
}  // namespace tidemark
