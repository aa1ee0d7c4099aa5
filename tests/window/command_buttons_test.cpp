// Save, Clear, Pause/Start and Open under the graph.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QToolButton>
#include <cstring>

#include "support/file_system_limits.h"

#include "window/widgets.h"
#include "window/window_fixture.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;

class Commands : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        QDir::setCurrent(programDir.path());
        started();
        window->tmrUpdate_Timer();
        window->tmrUpdate_Timer();
    }
    QString offeredName(int request) const { return dialogs.saveRequests.at(request).section('|', 1, 1); }
    QString inFolder(const QString& name) const { return programDir.path() + "/" + name; }
    QToolButton* pause() const { return control<QToolButton>("CmdOptions(2)"); }
};

TEST_F(Commands, SaveOffersNumberedNamesAndKeepsTheUsersOwn) {
    dialogs.saveAnswers = {inFolder("Tidemark0.bmp"), std::nullopt, inFolder("load"), inFolder("TIDEMARK7.bmp")};
    for (int i = 0; i < 5; ++i) window->CmdOptions_Click(0);
    EXPECT_EQ(offeredName(0), inFolder("Tidemark0.bmp"));
    EXPECT_EQ(dialogs.saveRequests.at(0).section('|', 0, 0), "Save File");
    EXPECT_EQ(dialogs.saveRequests.at(0).section('|', 2), "BitMap Files (*.bmp);;All Files (*.*)");
    EXPECT_EQ(offeredName(1), inFolder("Tidemark1.bmp")) << "after one save";
    EXPECT_EQ(offeredName(2), inFolder("Tidemark1.bmp")) << "a cancel changes nothing";
    EXPECT_EQ(offeredName(3), inFolder("load.bmp")) << "the user's own name comes back";
    EXPECT_EQ(offeredName(4), inFolder("Tidemark3.bmp")) << "TIDEMARK7.bmp counts as a default name";
    EXPECT_TRUE(QFile::exists(inFolder("Tidemark0.bmp")));
    EXPECT_TRUE(QFile::exists(inFolder("load.bmp")));
    EXPECT_TRUE(QFile::exists(inFolder("TIDEMARK7.bmp")));
}

TEST_F(Commands, RefusedOverwriteWritesNothingHiddenFilesIncluded) {
    for (const char* name : {"Tidemark0.bmp", ".keep.bmp"}) {
        SCOPED_TRACE(name);
        QFile existing(inFolder(name));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("mine");
        existing.close();
        dialogs.shown.clear();
        dialogs.saveAnswers = {inFolder(name), std::nullopt};
        dialogs.questionAnswers = {false};
        window->CmdOptions_Click(0);
        EXPECT_EQ(dialogs.shown, QStringList{"File already exists|Do you want to overwrite the file?"});
        ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
        EXPECT_EQ(existing.readAll(), "mine");
        existing.close();
        window->CmdOptions_Click(0);
        EXPECT_EQ(dialogs.saveRequests.last().section('|', 1, 1), inFolder("Tidemark0.bmp")) << "no save was counted";
    }
}

TEST_F(Commands, FullDiskIsReportedWithTheSystemsReason) {
    dialogs.saveAnswers = {inFolder("graph.bmp")};
    {
        FileSizeLimit smallerThanTheBitmap(4096);
        window->CmdOptions_Click(0);
    }
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown.front(), "TideMark save|The picture could not be saved to " + inFolder("graph.bmp") + ": " +
                                         QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_FALSE(QFile::exists(inFolder("graph.bmp")));
}

TEST_F(Commands, SavedBitmapHoldsTheGraphsExactColours) {
    dialogs.saveAnswers = {inFolder("graph.bmp")};
    window->CmdOptions_Click(0);
    QFile file(inFolder("graph.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(static_cast<int>(header[28]), 24) << "bits per pixel";
    const QImage saved(inFolder("graph.bmp"));
    const QImage shown = window->graph().image();
    ASSERT_EQ(saved.size(), shown.size());
    EXPECT_EQ(saved.pixel(0, 0), qRgb(128, 128, 128)) << "the top grid line";
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) ASSERT_EQ(saved.pixel(x, y), shown.pixel(x, y)) << x << "," << y;
}

TEST_F(Commands, UnwritableFileIsReportedAndNotCounted) {
    dialogs.saveAnswers = {inFolder("missing/Tidemark0.bmp")};
    window->CmdOptions_Click(0);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown.front().contains("missing/Tidemark0.bmp"));
    dialogs.saveAnswers = {std::nullopt};
    window->CmdOptions_Click(0);
    EXPECT_EQ(offeredName(1), inFolder("Tidemark0.bmp")) << "no save was counted";
}

TEST_F(Commands, PauseSurvivesADirectTickAndTogglesCaptionAndPicture) {
    window->CmdOptions_Click(2);
    EXPECT_EQ(pause()->text(), "Start");
    EXPECT_FALSE(window->updateTimer().isActive());
    EXPECT_EQ(pause()->icon().cacheKey(), control<QToolButton>("cmdicon(0)")->icon().cacheKey());
    control<QComboBox>("CmbSchaal")->setCurrentText("35");
    window->CmbSchaal_Click();
    EXPECT_FALSE(window->updateTimer().isActive()) << "a scale pick does not end the pause";
    window->CmdOptions_Click(2);
    EXPECT_EQ(pause()->text(), "Pause");
    EXPECT_TRUE(window->updateTimer().isActive());
    EXPECT_EQ(pause()->icon().cacheKey(), control<QToolButton>("cmdicon(1)")->icon().cacheKey());
}

TEST_F(Commands, PauseClearStartRestartsFromAnEmptyHistory) {
    window->CmdOptions_Click(2);
    const QImage before = window->graph().image().copy();
    window->CmdOptions_Click(1);
    EXPECT_EQ(window->history().HistoryCount, 0);
    EXPECT_EQ(window->graph().image(), before) << "the picture stands still while paused";
    window->CmdOptions_Click(2);
    window->tmrUpdate_Timer();
    EXPECT_EQ(window->history().HistoryCount, 1);
}

TEST_F(Commands, OpenShowsTheLogFolderWithAFallback) {
    window->CmdOptions_Click(3);
    EXPECT_EQ(shell.opened, QStringList{window->logFolder()});
    shell.defaultHandlerWorks = false;
    shell.onPath = {"thunar", "pcmanfm"};
    window->CmdOptions_Click(3);
    EXPECT_EQ(shell.started, QStringList{"/usr/bin/thunar " + window->logFolder()});
    control<QToolButton>("chkLogTodisk")->click();
    shell.opened.clear();
    window->CmdOptions_Click(3);
    EXPECT_TRUE(shell.opened.isEmpty()) << "disabled while logging";
}

}  // namespace
}  // namespace tidemark
