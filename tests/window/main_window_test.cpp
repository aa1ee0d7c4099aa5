// Start-up and its claim, the tick, the re-layout and what the window shows, in pixels.
#include <QCheckBox>
#include <QCloseEvent>
#include <QLockFile>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <cmath>
#ifdef TIDEMARK_X11_TESTS
#include <xcb/xcb.h>

#include <QGuiApplication>
#endif

#include "platform/qt/desktop_services.h"
#include "support/file_system_limits.h"
#include "support/form_text.h"
#include "window/fitting_label.h"
#include "window/graph_panel.h"
#include "window/scale_strip.h"
#include "window/window_fixture.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;
using MainWindow = WindowFixture;
using HighDpi = WindowFixture;

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

// A second copy says so and ends; so does a start-up closed (by a quit
// request) while it lets events run. Neither start is counted.
TEST_F(MainWindow, StartUpThatEndsEarlyIsNotCounted) {
    for (const bool secondCopy : {true, false}) {
        SCOPED_TRACE(secondCopy ? "a second copy" : "closed meanwhile");
        lock.otherRunning = secondCopy;
        make();
        if (!secondCopy) QCoreApplication::postEvent(window.get(), new QCloseEvent);
        EXPECT_FALSE(window->Form_Load());
        EXPECT_EQ(dialogs.shown, QStringList{"TIDEMARK|Only one copy of this program can be used."});
        EXPECT_FALSE(window->isVisible() || window->updateTimer().isActive());
        EXPECT_EQ(settings.writes, 0);
        EXPECT_TRUE(QFileInfo(programDir.path() + "/Log").isDir()) << "the log folder comes first";
    }
}

// What a killed copy leaves: the toolkit's claim, in another process's id.
QByteArray leftClaim(qint64 id) {
    QTemporaryDir folder;
    QLockFile held(folder.filePath("held.lock"));
    EXPECT_TRUE(held.tryLock(0));
    const QByteArray bytes = contentsOf(folder.filePath("held.lock"));
    return QByteArray::number(id) + bytes.mid(bytes.indexOf('\n'));
}

// One claim at a time, in a folder its user alone may enter. A claim left by
// a killed copy, in an id now free or this process's own (Wine hands ids out
// again soon), does not block the next start.
TEST(InstanceLock, OneClaimAtATimeAndNoneLeftByAKilledCopy) {
    QTemporaryDir home;
    const QString folder = home.filePath("state/MarloFenwick");  // made when missing
    auto first = makeInstanceLock(folder, "TideMark"), second = makeInstanceLock(folder, "TideMark");
    EXPECT_FALSE(first->anotherInstanceRunning());
    EXPECT_TRUE(second->anotherInstanceRunning());
    first->release();
#ifndef _WIN32  // on Windows the folder lies in the user's own profile and takes its access rules
    EXPECT_EQ(QFile::permissions(folder).toInt() & 0x0077, 0);
#endif
    QProcess ended;
    ended.start(QCoreApplication::applicationFilePath(), {"--gtest_list_tests"});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 endedId = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    for (const qint64 id : {endedId, QCoreApplication::applicationPid()}) {
        QFile stale(folder + "/TideMark.lock");
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write(leftClaim(id));
        stale.close();
        auto next = makeInstanceLock(folder, "TideMark");
        EXPECT_FALSE(next->anotherInstanceRunning()) << id;
        next->release();
    }
}

#ifndef _WIN32  // a Windows folder's read-only attribute does not keep new files out
// "Only one copy…" would be false: the program runs without a claim.
TEST(InstanceLock, ClaimThatCannotBeMadeDoesNotRefuseTheStart) {
    QTemporaryDir home;
    testing::ReadOnlyFolder readOnly(home.path().toStdString());
    if (!readOnly.enforced()) GTEST_SKIP() << "this user may write the folder all the same";
    EXPECT_FALSE(makeInstanceLock(home.filePath(".local/state/MarloFenwick"), "TideMark")->anotherInstanceRunning());
}
#endif

// The designed form, in pixels, at the designed size, stretched, and at the
// smallest size, where the height gives way in the graph, then in the meter
// bars, cut off above the options row but not covered; the figures stay whole
// and apart, and every button stays reachable.
TEST_F(MainWindow, FormAtTheDesignedSizeAndStretched) {
    started();
    window->tmrUpdate_Timer();
    const auto header = [this] {
        const QString version = QString(PROJECT_VERSION).section('.', 0, 1);
        return QStringList{"title " + window->windowTitle().replace(version, "<major.minor>"),
                           "interval " + QString::number(window->updateTimer().interval())};
    };
    QStringList lines = header() + formText(*window);
    window->resize(900, 500);
    lines << "stretched to 900x500" << header() + formText(*window);
    window->resize(10, 10);
    lines << "at its smallest, " + QString::number(window->width()) + "x" + QString::number(window->height())
          << formText(*window);
    expectForm(lines, "window/window_form.txt");
}

// The designed layout stands until start-up is over; then each re-layout,
// restoring included, ticks once and prints the scale again at the new
// spacing, and the history keeps 20 samples beyond the graph's width.
TEST_F(MainWindow, ReLayoutAfterStartUpTicksAndSpreadsTheScale) {
    make();
    window->show();
    window->resize(900, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(control("Graph")->geometry(), QRect(19, 16, 365, 237));
    ASSERT_TRUE(window->Form_Load());
    window->resize(534, 352);
    const auto lowestInk = [this] {  // of the scale's labels
        const QImage strip = control<ScaleStrip>("picLabels(0)")->image();
        return inkBounds(strip, strip.pixelColor(strip.width() - 1, strip.height() - 1)).bottom();
    };
    const int lowest = lowestInk();
    const std::int16_t count = window->history().HistoryCount;
    window->resize(1271, 500);
    EXPECT_EQ(window->history().HistoryCount, count + 1);
    EXPECT_GE(lowestInk(), lowest + 140) << "the window grew by 148 pixels";
    EXPECT_EQ(window->history().HistoryCapacity, window->graph().contentsRect().width() + 20);
    window->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->history().HistoryCount, count + 1) << "no layout while minimised";
    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->history().HistoryCount, count + 2);
}

// Wider than their labels, the memory figures are squeezed, not cut off at the edge.
TEST_F(MainWindow, MemoryFiguresShowWhole) {
    machine.status.totalPhys = std::int64_t{2048} << 30;
    machine.status.availPhys = (std::int64_t{1024} << 30) + 600 * 1024;
    started();
    window->tmrUpdate_Timer();
    for (QLabel* label : {control<QLabel>("Label8"), control<QLabel>("Label10")}) {
        SCOPED_TRACE(label->text().toStdString());
        const QImage shot = label->grab().toImage();
        const QRect ink = inkBounds(shot, label->palette().color(QPalette::Window));
        EXPECT_LT(ink.right(), shot.width() - 1) << "the text runs into the edge";
#ifndef _WIN32  // Windows' off-screen platform measures text larger than it draws it
        EXPECT_GE(ink.width(), label->fontMetrics().horizontalAdvance(label->text()) * 7 / 10);
#endif
    }
    EXPECT_EQ(text("Label8"), "2097152 Mb");
    EXPECT_EQ(text("Label10"), "1048577 Mb") << "KB div 1024, plus 1";
}

// A figure shown again comes from its stored picture; it must look as the
// text drawn afresh does, for every processor figure and for memory figures
// short and squeezed.
TEST_F(MainWindow, FiguresShownFromStoredPicturesLookAsDrawnAfresh) {
    started();
    QStringList percentages{"n/a"};
    for (int percent = 0; percent <= 100; ++percent) percentages << QString("%1 %").arg(percent);
    const std::pair<const char*, QStringList> figures[] = {
        {"Label3", percentages}, {"Label4", percentages}, {"Label10", {"512 Mb", "23638 Mb", "1048577 Mb"}}};
    for (const auto& [name, texts] : figures) {
        auto* label = control<FittingLabel>(name);
        FittingLabel afresh;
        afresh.setFont(label->font());
        afresh.setPalette(label->palette());
        afresh.setFrameStyle(label->frameStyle());
        afresh.setAlignment(label->alignment());
        afresh.setAutoFillBackground(true);
        afresh.resize(label->size());
        for (const QString& text : texts) {
            afresh.setText(text);
            const QImage expected = afresh.grab().toImage();
            label->showFigure(text);
            EXPECT_EQ(label->grab().toImage(), expected) << name << " " << text.toStdString() << ", drawn";
            label->showFigure("-");
            label->showFigure(text);
            EXPECT_EQ(label->grab().toImage(), expected) << name << " " << text.toStdString() << ", shown again";
        }
    }
}

// What the window shows after real ticks: the segments lit and in which
// colour, the figures, the clock line and the lists' entries.
TEST_F(MainWindow, MetersFiguresClockLineAndListsShowTheReading) {
    samplerOs.processors = 3;  // 10, 20 and 31 % busy: 20.33
    samplerOs.blocks = {processorData(0, {0, 0, 0}),
                        processorData(1, {9 * kSecond / 10, 8 * kSecond / 10, 69 * kSecond / 100}),
                        processorData(2, {12 * kSecond / 10, 11 * kSecond / 10, 99 * kSecond / 100})};
    machine.status.totalPhys = 1000 * 1024;
    machine.status.availPhys = 390 * 1024;  // 61 % in use
    started();
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "20 %");
    EXPECT_EQ(text("Label6"), "20 %");
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "70 %");
    EXPECT_EQ(text("Label4"), "61 %");
    EXPECT_EQ(litSegments(true), 15) << "segments 0 .. floor(70 / 5)";
    EXPECT_EQ(litSegments(false), 13) << "segments 0 .. floor(61 / 5)";
    EXPECT_EQ(meters().segmentColor(true, 14), QColor(0, 100, 255));
    EXPECT_EQ(meters().segmentColor(false, 12), QColor(255, 255, 0));
    const QImage panel = control<QWidget>("Picture1")->grab().toImage();
    std::vector<int> tops;  // of the lit segments, down a column through the processor's bar
    for (int y = 1; y < panel.height(); ++y)
        if (panel.pixelColor(10, y) == QColor(0, 100, 255) && panel.pixelColor(10, y - 1) != QColor(0, 100, 255))
            tops.push_back(y);
    ASSERT_EQ(tops.size(), 15u);
    EXPECT_EQ(tops.back() - tops.front(), 14 * 8) << "120 twips apart";
    auto broken = processorData(3, {0, 0, 0});
    broken[0] = std::byte{'X'};
    samplerOs.blocks = {broken};
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "70 %") << "a sampler error keeps the previous figure";
    EXPECT_EQ(itemsOf("CmbRefresh"),
              QStringList({"100", "200", "300", "400", "500", "600", "700", "800", "900", "1000"}));
    EXPECT_EQ(itemsOf("CmbSchaal"), QStringList({"5", "10", "15", "20", "25", "35", "50"}));
    EXPECT_EQ(control<QComboBox>("CmbSchaal")->currentText(), "10");
    for (const std::int32_t mhz : {2394, 0}) {
        SCOPED_TRACE(mhz);
        machine.mhz = mhz;
        started();
        window->tmrUpdate_Timer();
        EXPECT_EQ(clockLine()->isVisible(), mhz != 0) << "the clock line only for a clock that reads";
        EXPECT_TRUE(mhz == 0 || clockLine()->text() == "2394 Mc") << clockLine()->text().toStdString();
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
    button("chkLogTodisk")->click();
    for (int tick = 0; tick < 3; ++tick) window->tmrUpdate_Timer();
    QCoreApplication::processEvents();
    EXPECT_EQ(text("Label3"), "n/a");
    EXPECT_EQ(text("Label6"), "n/a");
    EXPECT_EQ(text("Label4"), "61 %");
    EXPECT_NE(meters().segmentColor(true, 0), meters().segmentColor(false, 0)) << "no processor segment lit";
    const QImage graph = window->graph().image();
    for (int y = 0; y < graph.height(); ++y)
        for (int x = 0; x < graph.width(); ++x) ASSERT_NE(graph.pixelColor(x, y), QColor(0, 100, 255)) << x << "," << y;
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].contains("holds no processor figures")) << dialogs.shown[0].toStdString();
    const QString log = programFolder + "/Log/" + QDir(programFolder + "/Log").entryList(QDir::Files).value(0);
    EXPECT_EQ(contentsOf(log).count("\r\n\t61\r\n"), 3) << "an empty processor field each tick";
}

TEST_F(MainWindow, ScaleDivisionPickRedrawsWithTheNewGridAtOnce) {
    started();
    auto* schaal = control<QComboBox>("CmbSchaal");
    schaal->setFocus();
    QTest::keyClick(schaal, Qt::Key_End);  // "50"
    const QImage image = window->graph().image();
    EXPECT_EQ(image.pixel(0, 116), qRgb(128, 128, 128)) << "50 % of 233 rows: 116.5, halves to even";
    EXPECT_EQ(image.pixel(0, qRound(0.1 * image.height())), qRgb(0, 0, 0)) << "no line at 10 % any more";
    QTest::keyClick(schaal, Qt::Key_Up);  // "35": lines counted from the top, fractions to the nearest row
    EXPECT_EQ(window->graph().image().pixel(0, 163), qRgb(128, 128, 128)) << "70 % of 233 rows: 163.1";
}

// After ticks that only scroll, the picture is what a full redraw of the
// same history gives, and the screen shows the picture itself: the moved
// part and the newly painted column line up, and the read-out box held over
// the graph meanwhile leaves nothing behind.
TEST_F(MainWindow, ScreenShowsThePictureAfterScrolling) {
    samplerOs.processors = 1;
    samplerOs.blocks.clear();
    std::int64_t idle = 0;
    for (int second = 0; second < 410; idle += second++ % 2 * kSecond)  // 100 % and 0 % in turn
        samplerOs.blocks.push_back(processorData(second, {idle}));
    for (int second = 410; second < 520; idle += (second++ * 37 % 10) * kSecond / 10)  // then a load that varies
        samplerOs.blocks.push_back(processorData(second, {idle}));
    started();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto* graph = control<GraphView>("Graph");
    const QPoint held = graph->contentsRect().topLeft() + QPoint(200, 100);
    for (int i = 0; i < 400; ++i) {  // past the graph's width, so the oldest samples leave at the left
        if (i == 5) window->resize(540, 352);
        if (i == 380) QTest::mousePress(graph, Qt::LeftButton, {}, held);
        if (i == 390) QTest::mouseRelease(graph, Qt::LeftButton, {}, held);
        window->tmrUpdate_Timer();
        if (i >= 370) QCoreApplication::processEvents();
    }
    // Where the list or another window covers the graph, the screen shows them.
    // An X server shows a repaint a moment later: the screen is read again
    // until it agrees, for up to five seconds (or read once, to see that a
    // repaint came at all).
    const auto expectScreenShowsPicture = [&](const char* when, QRect coverOnScreen = {}, bool waitForIt = true) {
        QImage shown, picture;
        const auto agrees = [&] {
            const QRect inner(graph->mapTo(window.get(), graph->contentsRect().topLeft()),
                              graph->contentsRect().size());
            const QImage screen =
                window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
            const QRect list(control("CmbSchaal")->mapTo(window.get(), QPoint()), control("CmbSchaal")->size());
            const QRect cover(window->mapFromGlobal(coverOnScreen.topLeft()), coverOnScreen.size());
            picture = graph->image().convertToFormat(QImage::Format_RGB32);
            QPainter painter(&picture);
            for (const QRect& covered : {list, cover})
                if (!covered.isEmpty()) painter.drawImage(covered.topLeft() - inner.topLeft(), screen.copy(covered));
            shown = screen.copy(inner);
            return shown == picture;
        };
        if (!(waitForIt ? QTest::qWaitFor(agrees, 5000) : agrees())) {
            EXPECT_EQ(shown, picture) << when;
        }
    };
    expectScreenShowsPicture("after scrolling");
    // A window over the graph's right half while it scrolls on, then gone;
    // once as it is and once kept on top (which sets the window's hints anew).
    for (const bool onTop : {false, true}) {
        if (onTop) control<QCheckBox>("ChkOnTop")->click();
        QTest::qWait(100);
        QWidget cover(nullptr, Qt::Tool | Qt::FramelessWindowHint);
        cover.setGeometry(QRect(graph->mapToGlobal(graph->contentsRect().center()), QSize(150, 60)));
        cover.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
        for (int i = 0; i < 20; ++i) {
            window->tmrUpdate_Timer();
            QTest::qWait(2);
        }
        QTest::qWait(50);
        expectScreenShowsPicture(onTop ? "kept on top, beside a window over it" : "beside a window over it",
                                 cover.frameGeometry());
        cover.hide();
        QTest::qWait(200);
        expectScreenShowsPicture(onTop ? "kept on top, after a window covered it" : "after a window covered it");
    }
#ifdef TIDEMARK_X11_TESTS
    // Taken off the screen by the window manager (minimised), then back.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() == "xcb" && x11 && x11->connection()) {
        xcb_unmap_window(x11->connection(), static_cast<xcb_window_t>(window->winId()));
        xcb_flush(x11->connection());
        QTest::qWait(100);
        for (int i = 0; i < 20; ++i) window->tmrUpdate_Timer();
        xcb_map_window(x11->connection(), static_cast<xcb_window_t>(window->winId()));
        xcb_flush(x11->connection());
        QTest::qWait(500);
        expectScreenShowsPicture("after being taken off the screen and back", {}, false);
    }
#endif
    PixelCanvas full(graph->canvas().width(), graph->canvas().height());
    drawHistory(full, window->history(), GraphSettings{});
    EXPECT_EQ(graph->canvas().picture(), full.picture()) << "as a full redraw of the same history";
}

// On screens with more than one device pixel per pixel (entries of their
// own set QT_SCALE_FACTOR) the graph is crisp and every grid line equally thick.
TEST_F(HighDpi, GraphIsCrispAndEveryGridLineEquallyThick) {
    started();
    const qreal scale = window->devicePixelRatioF();
    if (scale == 1.0) GTEST_SKIP() << "needs QT_SCALE_FACTOR";
    for (int i = 0; i < 5; ++i) window->tmrUpdate_Timer();
    auto* graph = control<GraphView>("Graph");
    const QImage image = graph->grab(graph->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    const QSet<QRgb> colours{qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(0, 100, 255), qRgb(255, 255, 0)};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(colours.contains(image.pixel(x, y))) << "blended pixel at " << x << "," << y;
    QList<int> thicknesses;  // of the grid lines, down a column the curves do not reach
    for (int y = 0, run = 0; y <= image.height(); ++y) {
        const bool grey = y < image.height() && image.pixel(4, y) == qRgb(128, 128, 128);
        if (grey) ++run;
        if (!grey && run) thicknesses << std::exchange(run, 0);
    }
    ASSERT_GE(thicknesses.size(), 10);
    EXPECT_EQ(QSet<int>(thicknesses.begin(), thicknesses.end()).size(), 1) << "lines of different thickness";
    EXPECT_EQ(thicknesses.front(), static_cast<int>(std::nearbyint(scale)));
    // At a fractional scale every row shown is the picture drawn at the
    // screen's own resolution (a whole scale shows each pixel as a block).
    if (scale == std::floor(scale)) return;
    const auto* panel = static_cast<const GraphPanel*>(control<QWidget>("FrmGraph"));
    PixelCanvas expected;
    expected.resize(image.width(), image.height());
    drawHistoryScaled(expected, panel->history(), panel->settings(), static_cast<float>(graph->contentsRect().width()),
                      static_cast<float>(graph->contentsRect().height()), static_cast<float>(scale));
    const std::vector<Rgb> pixels = expected.picture();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), pixels[static_cast<std::size_t>(y) * image.width() + x]) << x << "," << y;
}

}  // namespace
}  // namespace tidemark
