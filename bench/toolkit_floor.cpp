// The least a Qt Widgets monitor can do on a tick: read /proc/stat and
// /proc/meminfo, set one label and paint one new column of a graph. What this
// costs is the toolkit's floor, which scripts/measure-overhead sets beside
// TideMark's own cost. Usage: toolkit_floor [INTERVAL_MS]
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "platform/qt/platform_choice.h"

namespace {

class ColumnGraph : public QWidget {
public:
    explicit ColumnGraph(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

    void add(int percent) {
        QPainter painter(&picture_);
        painter.fillRect(column_, 0, 1, picture_.height(), Qt::black);
        painter.fillRect(column_, picture_.height() - percent * picture_.height() / 100, 1, 2, Qt::green);
        update(column_, 0, 1, height());
        column_ = (column_ + 1) % picture_.width();
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        picture_ = QImage(size(), QImage::Format_RGB32);
        picture_.fill(Qt::black);
    }
    void paintEvent(QPaintEvent* event) override { QPainter(this).drawImage(event->rect(), picture_, event->rect()); }

private:
    QImage picture_;
    int column_ = 0;
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
    auto* label = new QLabel(&window);
    label->setGeometry(10, 10, 100, 20);
    auto* graph = new ColumnGraph(&window);
    graph->setGeometry(20, 60, 1240, 250);
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        readWhole("/proc/stat");
        readWhole("/proc/meminfo");
        const int percent = ++ticks % 101;
        label->setText(QString::number(percent) + "%");
        graph->add(percent);
    });
    timer.start(argc > 1 ? QByteArray(argv[1]).toInt() : 500);
    window.show();
    return app.exec();
}
