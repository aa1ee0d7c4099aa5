// Save, Clear and Pause/Start under the graph, clicked as the user does.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QToolButton>
#include <cerrno>
#include <cstring>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "support/file_system_limits.h"
#include "window/graph_view.h"
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
    void click(int index) const { control<QToolButton>(qPrintable(QString("CmdOptions(%1)").arg(index)))->click(); }
    QString offeredName(int request) const { return dialogs.saveRequests.at(request).section('|', 1, 1); }
    QString inFolder(const QString& name) const { return programDir.path() + "/" + name; }
    QByteArray contents(const QString& name) const {
        QFile file(inFolder(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QString& name) const {
        QFile file(inFolder(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("mine");
    }
    QToolButton* pause() const { return control<QToolButton>("CmdOptions(2)"); }
};

TEST_F(Commands, SaveOffersNumberedNamesKeepsTheUsersOwnAndWritesTheGraphsExactColours) {
    dialogs.saveAnswers = {inFolder("Tidemark0.bmp"), std::nullopt, inFolder("load"), inFolder("TIDEMARK7.bmp")};
    for (int i = 0; i < 5; ++i) click(0);
    EXPECT_EQ(dialogs.saveRequests.at(0).section('|', 2), "BitMap Files (*.bmp);;All Files (*.*)");
    const QStringList offered{offeredName(0), offeredName(1), offeredName(2), offeredName(3), offeredName(4)};
    // After a save the count moves on; a cancel changes nothing; the user's own
    // name comes back; TIDEMARK7.bmp counts as a default name.
    EXPECT_EQ(offered, (QStringList{inFolder("Tidemark0.bmp"), inFolder("Tidemark1.bmp"), inFolder("Tidemark1.bmp"),
                                    inFolder("load.bmp"), inFolder("Tidemark3.bmp")}));
    EXPECT_EQ(static_cast<int>(contents("load.bmp")[28]), 24) << "bits per pixel";
    const QImage shown = window->graph().image();
    EXPECT_EQ(QImage(inFolder("load.bmp")).convertToFormat(shown.format()), shown);
    dialogs.saveAnswers = {inFolder("later")};
    dialogs.whileSaveDialogIsOpen = [this] {
        for (int tick = 0; tick < 5; ++tick) window->tmrUpdate_Timer();
    };
#ifdef _WIN32
    click(0);  // a new file takes its folder's access rules
#else
    const mode_t userMask = ::umask(077);  // a user who keeps new files to themselves
    click(0);
    ::umask(userMask);
    EXPECT_EQ(QFileInfo(inFolder("later.bmp")).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
#endif
    const QImage drawnLast = window->graph().image();
    EXPECT_EQ(QImage(inFolder("later.bmp")).convertToFormat(drawnLast.format()), drawnLast)
        << "the graph as last drawn when the file is written, not when Save was clicked";
}

#ifndef _WIN32
// Not built for Windows, where links are an administrator's to make and the
// toolkit makes shortcut files instead.
// A folder is no file to overwrite; a link is followed only once the user
// knows where it leads, and never when another user made it.
TEST_F(Commands, SaveNeverReplacesAFolderOrWritesThroughALinkUnseen) {
    writeFile("target.conf");
    ASSERT_TRUE(QDir().mkpath(inFolder("adir.bmp")));
    ASSERT_TRUE(QFile::link(inFolder("target.conf"), inFolder("mine.bmp")));
    ASSERT_TRUE(QFile::link(inFolder("target.conf"), inFolder("Tidemark0.bmp")));
    const bool asRoot = ::lchown(qPrintable(inFolder("Tidemark0.bmp")), 65534, 65534) == 0;
    dialogs.saveAnswers = {inFolder("adir"), inFolder("mine.bmp"), inFolder("Tidemark0.bmp")};
    dialogs.questionAnswers = {false};
    for (int i = 0; i < (asRoot ? 3 : 2); ++i) click(0);
    QStringList expected{"TideMark save|" + inFolder("adir.bmp") + " is a folder. Choose a file name.",
                         "File already exists|" + inFolder("mine.bmp") + " is a link to " + inFolder("target.conf") +
                             ".\n\nDo you want to overwrite the file?"};
    if (asRoot)
        expected << "TideMark save|" + inFolder("Tidemark0.bmp") +
                        " is a link another user made; the picture is not saved through it. Choose another name.";
    EXPECT_EQ(dialogs.shown, expected);
    EXPECT_EQ(contents("target.conf"), "mine");
    EXPECT_EQ(offeredName(2), inFolder("Tidemark0.bmp")) << "nothing was counted";
    dialogs.saveAnswers = {inFolder("mine.bmp")};
    dialogs.questionAnswers = {true};
    click(0);
    EXPECT_TRUE(QFileInfo(inFolder("mine.bmp")).isSymLink());
    EXPECT_TRUE(contents("target.conf").startsWith("BM")) << "written where the user was told it goes";
}
#endif

// The next Save opens where the last picture went, with the next number.
TEST_F(Commands, NextSaveOpensWhereTheLastPictureWent) {
    ASSERT_TRUE(QDir().mkpath(inFolder("pictures")));
    dialogs.saveAnswers = {inFolder("pictures/Tidemark0.bmp"), std::nullopt};
    click(0);
    click(0);
    EXPECT_EQ(offeredName(1), inFolder("pictures/Tidemark1.bmp"));
}

TEST_F(Commands, RefusedOverwriteWritesNothingHiddenFilesIncluded) {
    for (const char* name : {"Tidemark0.bmp", ".keep.bmp"}) {
        SCOPED_TRACE(name);
        writeFile(name);
        dialogs.shown.clear();
        dialogs.saveAnswers = {inFolder(name), std::nullopt};
        dialogs.questionAnswers = {false};
        click(0);
        EXPECT_EQ(dialogs.shown, QStringList{"File already exists|Do you want to overwrite the file?"});
        EXPECT_EQ(contents(name), "mine");
        click(0);
        EXPECT_EQ(dialogs.saveRequests.last().section('|', 1, 1), inFolder("Tidemark0.bmp")) << "no save was counted";
    }
}

#ifndef _WIN32
// Not built for Windows: it has no per-process file-size limit, and Save
// writes through the toolkit, not through the log writer's call that the
// Windows limit replaces.
TEST_F(Commands, FullDiskIsReportedWithTheSystemsReasonAndNotCounted) {
    writeFile("Tidemark0.bmp");
    dialogs.saveAnswers = {inFolder("Tidemark0.bmp"), std::nullopt};
    dialogs.questionAnswers = {true};
    {
        FileSizeLimit smallerThanTheBitmap(4096);
        click(0);
    }
    EXPECT_EQ(dialogs.shown.last(), "TideMark save|The picture could not be saved to " + inFolder("Tidemark0.bmp") +
                                        ": " + QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(contents("Tidemark0.bmp"), "mine") << "the old file stays whole";
    click(0);
    EXPECT_EQ(offeredName(1), inFolder("Tidemark0.bmp")) << "no save was counted";
}
#endif

// Clear starts a new sampler, which counts the processors afresh (a third
// came online meanwhile, busy while the other two idle).
TEST_F(Commands, ClearCountsTheProcessorsAfresh) {
    constexpr std::int64_t kSecond = 10'000'000;
    samplerOs.processors = 3;
    samplerOs.blocks = {processorData(10, {0, 0, 0}), processorData(11, {kSecond, kSecond, 0})};
    click(1);
    window->tmrUpdate_Timer();
    EXPECT_EQ(text("Label3"), "33 %");
}

TEST_F(Commands, PauseSurvivesADirectTickAndClearRestartsTheGraph) {
    click(2);
    EXPECT_EQ(pause()->text(), "Start");
    EXPECT_FALSE(window->updateTimer().isActive());
    EXPECT_EQ(pause()->icon().cacheKey(), control<QToolButton>("cmdicon(0)")->icon().cacheKey());
    control<QComboBox>("CmbSchaal")->setFocus();
    QTest::keyClick(control<QComboBox>("CmbSchaal"), Qt::Key_End);
    EXPECT_FALSE(window->updateTimer().isActive()) << "a scale pick does not end the pause";
    const QImage before = window->graph().image().copy();
    click(1);
    EXPECT_EQ(window->history().HistoryCount, 0) << "Clear";
    EXPECT_EQ(window->graph().image(), before) << "the picture stands still while paused";
    click(2);
    EXPECT_EQ(pause()->text(), "Pause");
    EXPECT_TRUE(window->updateTimer().isActive());
    EXPECT_EQ(pause()->icon().cacheKey(), control<QToolButton>("cmdicon(1)")->icon().cacheKey());
    window->tmrUpdate_Timer();
    EXPECT_EQ(window->history().HistoryCount, 1) << "the graph starts again from an empty history";
}

}  // namespace
}  // namespace tidemark
