// Save, Clear and Pause/Start under the graph, clicked as the user does.
#include <cerrno>
#include <cstring>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "support/file_system_limits.h"
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
    void click(int index) const { button(qPrintable(QString("CmdOptions(%1)").arg(index)))->click(); }
    QString offeredName(int request) const { return dialogs.saveRequests.at(request).section('|', 1, 1); }
    QString inFolder(const QString& name) const { return programDir.path() + "/" + name; }
    QByteArray contents(const QString& name) const { return contentsOf(inFolder(name)); }
    void writeFile(const QString& name) const {
        QFile file(inFolder(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("mine");
    }
};

// After a save the count moves on and the next Save opens where the picture
// went; a cancel changes nothing; the user's own name comes back;
// TIDEMARK7.bmp counts as a default name.
TEST_F(Commands, SaveOffersNumberedNamesKeepsTheUsersOwnAndWritesTheGraphsExactColours) {
    ASSERT_TRUE(QDir().mkpath(inFolder("pictures")));
    dialogs.saveAnswers = {inFolder("Tidemark0.bmp"), std::nullopt, inFolder("load"), inFolder("TIDEMARK7.bmp"),
                           inFolder("pictures/Tidemark4.bmp")};
    for (int i = 0; i < 6; ++i) click(0);
    EXPECT_EQ(dialogs.saveRequests.at(0).section('|', 2), "BitMap Files (*.bmp);;All Files (*.*)");
    const QStringList offered{offeredName(0), offeredName(1), offeredName(2),
                              offeredName(3), offeredName(4), offeredName(5)};
    EXPECT_EQ(offered,
              (QStringList{inFolder("Tidemark0.bmp"), inFolder("Tidemark1.bmp"), inFolder("Tidemark1.bmp"),
                           inFolder("load.bmp"), inFolder("Tidemark3.bmp"), inFolder("pictures/Tidemark4.bmp")}));
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

// A refused overwrite writes and counts nothing, for a hidden file too; a
// folder is no file. Where users make links: a link is followed only once
// the user knows where it leads, never another user's; a full disk leaves
// the old file whole.
TEST_F(Commands, SaveNeverLosesAFileItWasNotToldToReplace) {
    writeFile("Tidemark0.bmp");
    writeFile(".keep.bmp");
    ASSERT_TRUE(QDir().mkpath(inFolder("adir.bmp")));
    dialogs.saveAnswers = {inFolder("Tidemark0.bmp"), inFolder(".keep.bmp"), inFolder("adir")};
    for (int i = 0; i < 3; ++i) click(0);
    const QString overwrite = "File already exists|Do you want to overwrite the file?";
    QStringList expected{
        overwrite, overwrite,
        "TideMark save|" + QDir::toNativeSeparators(inFolder("adir.bmp")) + " is a folder. Choose a file name."};
    click(0);
    EXPECT_EQ(offeredName(3), inFolder("Tidemark0.bmp")) << "what was refused is not offered again";
#ifndef _WIN32
    writeFile("target.conf");
    ASSERT_TRUE(QFile::link(inFolder("target.conf"), inFolder("mine.bmp")));
    ASSERT_TRUE(QFile::link(inFolder("target.conf"), inFolder("theirs.bmp")));
    const bool asRoot = ::lchown(qPrintable(inFolder("theirs.bmp")), 65534, 65534) == 0;
    dialogs.saveAnswers = {inFolder("mine.bmp"), inFolder("theirs.bmp")};
    for (int i = 0; i < (asRoot ? 2 : 1); ++i) click(0);
    expected << "File already exists|" + inFolder("mine.bmp") + " is a link to " + inFolder("target.conf") +
                    ".\n\nDo you want to overwrite the file?";
    if (asRoot)
        expected << "TideMark save|" + inFolder("theirs.bmp") +
                        " is a link another user made; the picture is not saved through it. Choose another name.";
    dialogs.saveAnswers = {inFolder("Tidemark0.bmp")};
    dialogs.questionAnswers = {true};
    {
        FileSizeLimit smallerThanTheBitmap(4096);
        click(0);
    }
    expected << overwrite
             << "TideMark save|The picture could not be saved to " + inFolder("Tidemark0.bmp") + ": " +
                    QString::fromLocal8Bit(std::strerror(EFBIG));
#endif
    EXPECT_EQ(dialogs.shown, expected);
    EXPECT_EQ(contents("Tidemark0.bmp") + contents(".keep.bmp"), "minemine");
    click(0);
    EXPECT_EQ(dialogs.saveRequests.last().section('|', 1, 1), inFolder("Tidemark0.bmp")) << "no save was counted";
#ifndef _WIN32
    EXPECT_EQ(contents("target.conf"), "mine");
    dialogs.saveAnswers = {inFolder("mine.bmp")};
    dialogs.questionAnswers = {true};
    click(0);
    EXPECT_TRUE(QFileInfo(inFolder("mine.bmp")).isSymLink());
    EXPECT_TRUE(contents("target.conf").startsWith("BM")) << "written where the user was told it goes";
#endif
}

// Clear's new sampler counts the processors afresh (a third, busy, came online).
TEST_F(Commands, PauseSurvivesADirectTickAndClearRestartsTheGraph) {
    QToolButton* pause = button("CmdOptions(2)");
    click(2);
    EXPECT_EQ(pause->text(), "Start");
    EXPECT_FALSE(window->updateTimer().isActive());
    EXPECT_EQ(pause->icon().cacheKey(), button("cmdicon(0)")->icon().cacheKey());
    control<QComboBox>("CmbSchaal")->setFocus();
    QTest::keyClick(control<QComboBox>("CmbSchaal"), Qt::Key_End);
    EXPECT_FALSE(window->updateTimer().isActive()) << "a scale pick does not end the pause";
    const QImage before = window->graph().image().copy();
    samplerOs.processors = 3;
    samplerOs.blocks = {processorData(10, {0, 0, 0}), processorData(11, {kSecond, kSecond, 0})};
    click(1);
    EXPECT_EQ(window->history().HistoryCount, 0) << "Clear";
    EXPECT_EQ(window->graph().image(), before) << "the picture stands still while paused";
    click(2);
    EXPECT_EQ(pause->text(), "Pause");
    EXPECT_TRUE(window->updateTimer().isActive());
    EXPECT_EQ(pause->icon().cacheKey(), button("cmdicon(1)")->icon().cacheKey());
    window->tmrUpdate_Timer();
    EXPECT_EQ(window->history().HistoryCount, 1) << "the graph starts again from an empty history";
    EXPECT_EQ(text("Label3"), "33 %");
}

}  // namespace
}  // namespace tidemark
