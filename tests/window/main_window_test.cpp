#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "window/window_fixture.h"
#include "window/widgets.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;
constexpr std::int64_t kSecond = 10'000'000;

using MainWindow = WindowFixture;

QRect designedPixels(const TwipRect& r) {
    return QRect(twipsToPixels(r.L), twipsToPixels(r.T), twipsToPixels(r.W), twipsToPixels(r.H));
}

void expectWithinPixels(const QRect& actual, const QRect& expected, const char* name, int tolerance = 1) {
    SCOPED_TRACE(name);
    EXPECT_LE(std::abs(actual.left() - expected.left()), tolerance);
    EXPECT_LE(std::abs(actual.top() - expected.top()), tolerance);
    EXPECT_LE(std::abs(actual.width() - expected.width()), tolerance);
    EXPECT_LE(std::abs(actual.height() - expected.height()), tolerance);
}

// A figure wider than its label is squeezed, not cut off at the edge.
void expectWholeTextShows(QLabel* label) {
    SCOPED_TRACE(label->objectName().toStdString());
    const QImage shot = label->grab().toImage();
    const QRect ink = inkBounds(shot, label->palette().color(QPalette::Window));
    EXPECT_LT(ink.right(), shot.width() - 1) << "the text runs into the edge";
    EXPECT_GE(ink.width(), label->fontMetrics().horizontalAdvance(label->text()) * 7 / 10);
}

TEST_F(MainWindow, StartUpFillsTheListsAndStartsTheTimer) {
    started();
    auto* refresh = window->findChild<QComboBox*>("CmbRefresh");
    EXPECT_EQ(refresh->count(), 10);
    EXPECT_EQ(refresh->currentText(), "500");
    auto* schaal = window->findChild<QComboBox*>("CmbSchaal");
    QStringList entries;
    for (int i = 0; i < schaal->count(); ++i) entries << schaal->itemText(i);
    EXPECT_EQ(entries, (QStringList{"5", "10", "15", "20", "25", "35", "50"}));
    EXPECT_EQ(schaal->currentText(), "10");
    EXPECT_TRUE(window->updateTimer().isActive());
    EXPECT_EQ(window->updateTimer().interval(), 500);
    EXPECT_TRUE(QFileInfo(programDir.path() + "/Log").isDir());
    EXPECT_EQ(window->history().HistoryCapacity, window->graph().contentsRect().width() + 20);
    EXPECT_TRUE(window->findChild<QLabel*>("Label5")->isVisibleTo(window.get())) << "the clock is known";
}

TEST_F(MainWindow, StartCounter) {
    struct Row {
        const char* name;
        const char* stored;  // nullptr: absent
        int pagesOpened;
        const char* next;
    };
    const Row rows[] = {{"first start", nullptr, 0, "2"}, {"18th start", "18", 1, "19"}, {"38th start", "38", 1, "39"},
                        {"17", "17", 0, "18"},          {"19", "19", 0, "20"},          {"not a number", "abc", 0, "1"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        settings.values.clear();
        shell.opened.clear();
        if (row.stored) settings.values["MarloFenwick/TideMark/Tel"] = row.stored;
        started();
        EXPECT_EQ(shell.opened.size(), row.pagesOpened);
        if (row.pagesOpened) {
            EXPECT_EQ(shell.opened.front(), "https://tidemark.example.org/");
        }
        EXPECT_EQ(settings.values.value("MarloFenwick/TideMark/Tel"), row.next);
    }
}

TEST_F(MainWindow, SecondInstanceSaysSoAndEndsWithoutCounting) {
    lock.otherRunning = true;
    make();
    EXPECT_FALSE(window->Form_Load());
    EXPECT_EQ(dialogs.shown, QStringList{"TIDEMARK|Only one copy of this program can be used."});
    EXPECT_EQ(settings.writes, 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFileInfo(programDir.path() + "/Log").isDir()) << "the log folder comes first";
}

TEST_F(MainWindow, DesignedSizeReproducesTheDesignedLayout) {
    started();
    window->Form_Resize();
    const StretchLayout designed;
    expectWithinPixels(geometryOf("FrmGraph"), designedPixels(designed.FrmGraph), "FrmGraph");
    expectWithinPixels(geometryOf("Graph"), designedPixels(designed.Graph), "Graph");
    expectWithinPixels(geometryOf("FrmVU"), designedPixels(designed.FrmVU), "FrmVU");
    expectWithinPixels(geometryOf("CmbSchaal"), designedPixels(designed.CmbSchaal), "CmbSchaal");
    // The re-layout puts the right strip 35 twips left of its designed place.
    expectWithinPixels(geometryOf("picLabels(1)"), designedPixels(designed.picLabels1), "picLabels(1)", 2);
}

TEST_F(MainWindow, WideWindowWidensTheGraphAndKeepsTheMetersAtTheRightEdge) {
    started();
    const QRect before = geometryOf("Graph");
    const int gained = 1271 - window->width();
    window->resize(1271, window->height());
    EXPECT_NEAR(geometryOf("Graph").width(), before.width() + gained, 1);
    EXPECT_NEAR(geometryOf("FrmGraph").width(), designedPixels(StretchLayout{}.FrmGraph).width() + gained, 1);
    EXPECT_NEAR(geometryOf("FrmVU").right() + 1, 1271 - 3, 1);
    EXPECT_EQ(window->history().HistoryCapacity, window->graph().contentsRect().width() + 20);
    EXPECT_EQ(window->graph().canvas().width(), window->graph().contentsRect().width());
    EXPECT_EQ(geometryOf("Picture2").width(), 1271) << "the bottom strip is docked";
}

TEST_F(MainWindow, ResizeRunsOneTick) {
    started();
    const std::int16_t count = window->history().HistoryCount;
    window->resize(700, 400);
    EXPECT_EQ(window->history().HistoryCount, count + 1);
}

TEST_F(MainWindow, ResizeBeforeStartUpEndsChangesNothing) {
    make();
    window->show();
    window->resize(900, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(geometryOf("Graph"), designedPixels(StretchLayout{}.Graph));
    EXPECT_EQ(geometryOf("FrmVU"), designedPixels(StretchLayout{}.FrmVU));
    EXPECT_EQ(window->history().HistoryCount, 0);
}

TEST_F(MainWindow, TickShowsTheMemoryFigures) {
    struct Row {
        const char* name;
        std::int64_t total, available;
        const char* totalText;
        const char* freeText;
        const char* percentText;
    };
    const Row rows[] = {
        {"a quarter free", 1073741824, 268435456, "1025 Mb", "257 Mb", "75 %"},
        {"1023 bytes free", 1073741824, 1023, "1025 Mb", "1 Mb", "99 %"},
        {"32 GiB machine", 34359738368, 17179869184, "32769 Mb", "16385 Mb", "50 %"},
        {"24 GB machine", 25275924480, 12582912000, "24106 Mb", "12001 Mb", "50 %"},
        {"2 TB machine", 2199023255552, 1099511627776, "2097152 Mb", "1048577 Mb", "49 %"},  // KB held in 32 bits
        {"no total", 0, 0, "1 Mb", "1 Mb", "0 %"},
    };
    started();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        machine.status.totalPhys = row.total;
        machine.status.availPhys = row.available;
        window->tmrUpdate_Timer();
        EXPECT_EQ(text("Label8"), row.totalText);
        EXPECT_EQ(text("Label10"), row.freeText);
        EXPECT_EQ(text("Label4"), row.percentText);
        for (const char* name : {"Label8", "Label10"}) expectWholeTextShows(control<QLabel>(name));
    }
    EXPECT_FALSE(geometryOf("Label8").intersects(geometryOf("Label11")));
    EXPECT_TRUE(control("FrmVU")->rect().contains(geometryOf("Label8")));
}

TEST_F(MainWindow, ProcessorFigureIsTheMeanOfAllProcessors) {
    samplerOs.processors = 3;
    samplerOs.blocks = {processorData(0, {0, 0, 0}), processorData(1, {9 * kSecond / 10, 8 * kSecond / 10, 69 * kSecond / 100})};
    started();
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "20 %") << "10, 20 and 31 make 20.33";
    EXPECT_EQ(text("Label6"), "20 %");
    EXPECT_EQ(text("Label5"), "2394 Mc");
    EXPECT_EQ(window->history().CpuHistory.front(), 20);
}

TEST_F(MainWindow, ProcessorFigureStaysWithin0To100AndSurvivesSamplerErrors) {
    samplerOs.processors = 1;
    samplerOs.blocks = {processorData(0, {0}), processorData(1, {kSecond + kSecond / 100}), processorData(2, {kSecond + kSecond / 100 + kSecond / 2})};
    started();
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "0 %") << "idle longer than the elapsed time reads -1";
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "50 %");
    auto broken = processorData(3, {0});
    broken[0] = std::byte{'X'};
    samplerOs.blocks = {broken};
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "50 %") << "the previous figure stands";
    EXPECT_TRUE(window->updateTimer().isActive());
}

TEST_F(MainWindow, LevelSegmentsFollowTheReadings) {
    machine.status.totalPhys = 1000 * 1024;
    machine.status.availPhys = 500 * 1024;
    started();
    window->tmrUpdate_Timer();
    const auto* panel = window->findChild<MeterPanel*>("Picture1");
    EXPECT_EQ(panel->segmentColor(false, 10), QColor(255, 255, 0)) << "50 % lights segment 10";
    EXPECT_EQ(panel->segmentColor(false, 11), QColor(150, 150, 150));
}

TEST_F(MainWindow, ClockLineStaysHiddenWhenTheClockIsUnknown) {
    machine.mhz = 0;
    started();
    window->tmrUpdate_Timer();
    EXPECT_FALSE(window->findChild<QLabel*>("Label5")->isVisibleTo(window.get()));
    EXPECT_FALSE(window->findChild<QLabel*>("Label7")->isVisibleTo(window.get()));
    EXPECT_EQ(text("Label5"), "0 Mc");
}

TEST_F(MainWindow, ScaleDivisionPickRedrawsWithTheNewGridAtOnce) {
    started();
    auto* schaal = window->findChild<QComboBox*>("CmbSchaal");
    const std::int16_t count = window->history().HistoryCount;
    schaal->setCurrentText("35");
    window->CmbSchaal_Click();
    EXPECT_EQ(window->graphSettings().ScaleDivision, 35);
    EXPECT_EQ(window->history().HistoryCount, count + 1);
    const QImage image = window->graph().image();
    const int H = image.height();
    EXPECT_EQ(image.pixel(0, qRound(0.35 * H)), qRgb(128, 128, 128));
    EXPECT_EQ(image.pixel(0, qRound(0.10 * H)), qRgb(0, 0, 0)) << "no line at 10 % any more";
}

TEST_F(MainWindow, ClosingReleasesTheInstanceLockAndStopsTheTimer) {
    started();
    window->close();
    EXPECT_TRUE(lock.released);
    EXPECT_FALSE(window->updateTimer().isActive());
}

}  // namespace
}  // namespace tidemark

namespace tidemark {
namespace {

TEST_F(MainWindow, SmallestWindowKeepsEveryControlVisibleAndApart) {
    started();
    window->resize(10, 10);
    const QRect graph = geometryOf("FrmGraph"), meters = geometryOf("FrmVU"), strip = geometryOf("Picture2");
    EXPECT_FALSE(graph.intersects(meters));
    EXPECT_FALSE(graph.intersects(strip));
    EXPECT_FALSE(meters.intersects(strip)) << "the meters would cover the options";
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window.get()) || child->objectName() == "picnofocus" ||
            child->objectName().startsWith("lblscale") || child->objectName() == "txtValue")
            continue;
        SCOPED_TRACE(child->objectName().toStdString());
        EXPECT_TRUE(window->rect().contains(QRect(child->mapTo(window.get(), QPoint(0, 0)), child->size())));
    }
    const int rowSpacing = window->graph().contentsRect().height() / 10;
    EXPECT_GE(rowSpacing, control("picLabels(0)")->fontMetrics().height()) << "scale numbers run together";
}

TEST_F(MainWindow, RestoringFromMinimisedLaysOutAndTicks) {
    started();
    const std::int16_t count = window->history().HistoryCount;
    window->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->history().HistoryCount, count) << "no layout while minimised";
    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->history().HistoryCount, count + 1);
}

TEST_F(MainWindow, ScaleStripsPrintTheScaleOnBothSidesAtTheLabelRows) {
    started();
    ASSERT_EQ(window->graph().contentsRect().height(), 233);
    const auto* left = window->findChild<ScaleStrip*>("picLabels(0)");
    const auto* right = window->findChild<ScaleStrip*>("picLabels(1)");
    const QColor paper = left->palette().color(QPalette::Button);
    for (int k = 0; k <= 10; ++k) {
        SCOPED_TRACE(k);
        const QRect row(0, 23 * k, left->image().width(), 23);  // label k stands k * (233 div 10) pixels down
        const QRect ink = inkBounds(left->image().copy(row), paper);
        EXPECT_FALSE(ink.isEmpty());
        EXPECT_LT(ink.top(), 4) << "the label starts at its row";
    }
    EXPECT_EQ(right->image(), left->image()) << "the right strip reads the same";
}

TEST_F(MainWindow, MeterSegmentsLightAtTheirDesignedRows) {
    machine.status.totalPhys = 1000 * 1024;
    machine.status.availPhys = 450 * 1024;  // 55 % in use: segments 0 to 11
    started();
    window->tmrUpdate_Timer();
    const QImage panel = control("Picture1")->grab().toImage();
    for (int i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        // The memory bar's segment i: 600 x 135 twips at left 750, top 2940 - 120 i.
        const QPoint centre((750 + 300) / 15, (2940 - 120 * i + 67) / 15);
        EXPECT_EQ(panel.pixelColor(centre), i <= 11 ? QColor(255, 255, 0) : QColor(150, 150, 150));
    }
}

}  // namespace
}  // namespace tidemark
