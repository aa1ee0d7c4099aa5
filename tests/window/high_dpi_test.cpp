// The graph on screens with more than one device pixel per pixel. These run
// only in their own test entries, with QT_SCALE_FACTOR set.
#include <QFile>
#include <QPixmap>
#include <QSet>
#include <cmath>

#include "window/graph_view.h"
#include "window/window_fixture.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;

class HighDpi : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        started();
        scale = window->devicePixelRatioF();
        if (scale == 1.0) GTEST_SKIP() << "needs QT_SCALE_FACTOR";
        for (int i = 0; i < 5; ++i) window->tmrUpdate_Timer();
    }
    // The graph's inner area as the screen shows it, in device pixels.
    QImage shown() const {
        auto* graph = control<GraphView>("Graph");
        return graph->grab(graph->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    qreal scale = 1.0;
};

TEST_F(HighDpi, GraphIsCrispAndEveryGridLineEquallyThick) {
    const QImage image = shown();
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
    dialogs.saveAnswers = {programDir.path() + "/graph.bmp"};
    window->CmdOptions_Click(0);
    EXPECT_EQ(QImage(programDir.path() + "/graph.bmp").convertToFormat(QImage::Format_RGB32),
              window->graph().image().convertToFormat(QImage::Format_RGB32))
        << "Save writes the graph at its own size";
}

}  // namespace
}  // namespace tidemark
