// The least a Qt Widgets monitor can do on a tick: read /proc/stat,
// /proc/meminfo and /proc/cpuinfo, set two labels, scroll a graph by one
// column and paint the new one. What this costs is the toolkit's floor, which
// scripts/measure-overhead sets beside TideMark's own cost.
// Usage: toolkit_floor [INTERVAL_MS]
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <cstring>

#include "platform/qt/platform_choice.h"

namespace {

// Keeps the picture in the on-screen order: a tick moves it left by one
// column, on screen and in the image, and paints the rightmost column.
class ScrollingGraph : public QWidget {
public:
    explicit ScrollingGraph(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

    void add(int percent) {
        const int last = picture_.width() - 1;
        std::memmove(picture_.bits(), picture_.bits() + 4, picture_.sizeInBytes() - 4);
        QPainter painter(&picture_);
        painter.fillRect(last, 0, 1, picture_.height(), Qt::black);
        painter.fillRect(last, picture_.height() - 1 - percent * (picture_.height() - 1) / 100, 1, 1, Qt::green);
        scroll(-1, 0);
        update(last, 0, 1, height());
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        picture_ = QImage(size(), QImage::Format_RGB32);
        picture_.fill(Qt::black);
    }
    void paintEvent(QPaintEvent* event) override { QPainter(this).drawImage(event->rect(), picture_, event->rect()); }

private:
    QImage picture_;
};

QByteArray readWhole(const char* path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

int main(int argc, char** argv) {
    tidemark::applyPlatformChoice();  // the display settings TideMark starts with
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("toolkit floor");
    window.resize(1280, 352);
    auto* processor = new QLabel(&window);
    processor->setGeometry(10, 10, 100, 20);
    auto* memory = new QLabel(&window);
    memory->setGeometry(120, 10, 100, 20);
    auto* graph = new ScrollingGraph(&window);
    graph->setGeometry(20, 60, 1240, 250);
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        readWhole("/proc/stat");
        readWhole("/proc/meminfo");
        readWhole("/proc/cpuinfo");
        const int percent = ++ticks % 101;
        processor->setText(QString::number(percent) + " %");
        memory->setText(QString::number(100 - percent) + " %");
        graph->add(percent);
    });
    timer.start(argc > 1 ? QByteArray(argv[1]).toInt() : 500);
    window.show();
    return app.exec();
}
