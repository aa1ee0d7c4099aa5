#pragma once
// A main window over fakes: a two-processor sampler, a 1 GiB machine, a
// fixed clock and a temporary program folder.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "platform/doubles/desktop_doubles.h"
#include "platform/doubles/sampler_doubles.h"
#include "platform/linux/perf_data_writer.h"
#include "window/frm_main.h"
#include "window/graph_view.h"
#include "window/meter_panel.h"

// Failures show texts, not their UTF-16 bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tidemark::testing {

constexpr std::int64_t kSecond = 10'000'000;  // in the counters' 100 ns

inline QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline std::vector<std::byte> processorData(int second, std::vector<std::int64_t> idle) {
    return perf::writePerfData(
        perf::processorBlock({2026, 12, 0, 6, 12, 0, static_cast<std::uint16_t>(second), 0}, idle));
}

// The smallest rectangle holding every pixel that differs clearly from the
// background colour; empty when there is none.
inline QRect inkBounds(const QImage& image, QColor background) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - background.red()) + std::abs(pixel.green() - background.green()) +
                    std::abs(pixel.blue() - background.blue()) >
                96)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override { samplerOs.blocks = {processorData(0, {0, 0})}; }

    frmMain& make() {
        window = std::make_unique<frmMain>(WindowServices{samplerOs, machine, shell, *dialogsShown, settings, lock,
                                                          clock, programFolder, userFolder,
                                                          "https://tidemark.example.org/", canStayOnTop});
        window->setEndProcess([] {});
        return *window;
    }
    frmMain& started() {
        make();
        EXPECT_TRUE(window->Form_Load());
        return *window;
    }
    template <typename Widget = QWidget>
    Widget* control(const char* name) const {
        return window->findChild<Widget*>(name);
    }
    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    QToolButton* button(const char* name) const { return control<QToolButton>(name); }
    // The window's parts by their role.
    const MeterPanel& meters() const { return *control<MeterPanel>("Picture1"); }
    QLabel* clockLine() const { return control<QLabel>("Label5"); }
    QStringList itemsOf(const char* list) const {
        QStringList items;
        for (int i = 0; i < control<QComboBox>(list)->count(); ++i) items << control<QComboBox>(list)->itemText(i);
        return items;
    }
    // Segments 0 .. n - 1 of a bar are lit when n are.
    int litSegments(bool cpuBar) const {
        int lit = 0;
        while (lit < MeterPanel::kSegments && meters().segmentColor(cpuBar, lit) != QColor(150, 150, 150)) ++lit;
        return lit;
    }

    FakeSamplerOs samplerOs;
    FakeMachineOs machine;
    FakeShell shell;
    FakeDialogs dialogs;
    Dialogs* dialogsShown = &dialogs;  // the program's real ones, for a test of their owners
    FakeSettings settings;
    FakeInstanceLock lock;
    FakeClock clock;
    QTemporaryDir programDir;
    QString programFolder = programDir.path();
    QString userFolder = programDir.path() + "/user";
    bool canStayOnTop = true;
    std::unique_ptr<frmMain> window;
};

}  // namespace tidemark::testing
