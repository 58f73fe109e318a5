// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QMenuBar>
#include <fstream>

#include "cabinet_fixture.h"
#include "storage/profile.h"

namespace quillane::testing {
namespace {

using Startup = CabinetFixture;

TEST_F(Startup, ShowsTheProductNameWithoutASettingsFile) {
    CabinetWindow& cabinet = Start();
    EXPECT_EQ(cabinet.windowTitle(), "Quillane");
    EXPECT_EQ(cabinet.action("manual")->text(), "&Quillane Manual");
    cabinet.action("version")->trigger();
    ASSERT_EQ(messages.informed.size(), 1u);
    EXPECT_EQ(messages.informed[0], "Quillane\r\n\r\nVersion:  1.1");
    EXPECT_EQ(cabinet.settings().helpFile, programDir() / "quillane.html");
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(Startup, MenusStandInTheirOrderWithTheirCaptions) {
    CabinetWindow& cabinet = Start();
    QStringList bar;
    for (QAction* a : cabinet.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Options", "&Borrow", "&Stats", "&Payoffs", "&Help"}));
    EXPECT_TRUE(cabinet.action("sound")->isChecked());
    EXPECT_TRUE(cabinet.action("music")->isChecked());
    EXPECT_TRUE(cabinet.action("newGame")->isEnabled());
    EXPECT_TRUE(cabinet.action("exit")->isEnabled());
}

TEST_F(Startup, ClicksWaitForTheSecondHalfOfStartUp) {
    CabinetWindow& cabinet = Start();
    EXPECT_TRUE(cabinet.busy());
    clock.Advance(240);
    cabinet.PressKey(Qt::Key_Return);
    EXPECT_EQ(session.state().account.spins, 0) << "dropped, not queued";
    clock.Advance(20);
    EXPECT_FALSE(cabinet.busy());
    EXPECT_EQ(sound.played, std::vector<std::string>{"Bingo7.wav"}) << "the start sound, once";
    clock.Advance(1000);
    EXPECT_EQ(sound.played.size(), 1u);
}

TEST_F(Startup, SettingsFileRenamesTheProductAndTheAssets) {
    Put("Testing.ini", "[Settings]\nAboutName=" + std::string(40, 'Z') + "\nSoundRoot=Keno\n");
    Put("Keno0.wav");
    Put("Keno3.wav");
    Put("Keno4.mid", "MThd");
    CabinetWindow& cabinet = Start();
    const QString thirty(30, 'Z');
    EXPECT_EQ(cabinet.windowTitle(), thirty);
    EXPECT_EQ(cabinet.action("manual")->text(), "&" + thirty + " Manual");
    cabinet.action("version")->trigger();
    EXPECT_EQ(messages.informed.at(0), thirty.toStdString() + "\r\n\r\nVersion:  1.1");
    EXPECT_EQ(cabinet.settings().assetPrefix, "Keno");
    EXPECT_EQ(cabinet.audio().playlist()[4], (programDir() / "Keno4.mid").string());
    EXPECT_EQ(sound.preloaded, (std::vector<std::string>{"ReelStop Keno0.wav", "Count Keno3.wav"}));
}

TEST_F(Startup, ThePlayersOwnFilesComeBeforeTheProgramsOnes) {
    Put("Bingo0.mid", "MThd");
    Put("Bingo1.mid", "MThd");
    PutForPlayer("bingo1.MID", "MThd");
    PutForPlayer("Testing.ini", "[Settings]\nAboutName=Mine\n");
    CabinetWindow& cabinet = Start();
    EXPECT_EQ(cabinet.windowTitle(), "Mine");
    EXPECT_EQ(cabinet.audio().playlist()[0], (programDir() / "Bingo0.mid").string());
    EXPECT_EQ(cabinet.audio().playlist()[1], (playerDir() / "bingo1.MID").string());
    EXPECT_EQ(cabinet.settings().helpFile, programDir() / "quillane.html") << "the manual is ours";
}

TEST_F(Startup, AnEmptyProductNameStillNamesTheManual) {
    Put("testing.INI", "[settings]\nABOUTNAME=\n");
    CabinetWindow& cabinet = Start();
    EXPECT_EQ(cabinet.windowTitle(), "");
    EXPECT_EQ(cabinet.action("manual")->text(), "&Manual") << "no underlined blank";
    EXPECT_EQ(cabinet.settings().assetPrefix, "Bingo") << "a missing key keeps its default";
}

TEST_F(Startup, AnotherProgramNameUsesItsOwnFiles) {
    stem = "quillane-test";
    CabinetWindow& cabinet = Start();
    EXPECT_EQ(cabinet.settings().helpFile, programDir() / "quillane-test.html");
    EXPECT_EQ(cabinet.settings().gameFile, configDir() / "quillane" / "quillane-test.ini");
}

TEST_F(Startup, ReadsTheCurrentGame) {
    std::filesystem::create_directories(gameFile().parent_path());
    std::ofstream(gameFile()) << "[CurrentGame]\nCredits=4321\nBorrowed=2000\nSpins=77\n"
                                 "TotalBets=500\nBonus=60\n";
    Start();
    EXPECT_EQ(session.state().account, (Account{4321, 2000, 77, 500, 60}));
}

TEST_F(Startup, ACorruptPictureIsReportedAndTheGameStillLoads) {
    Put("tester.JPG", "\xFF\xD8\xFF\xE0 not really a picture");
    std::filesystem::create_directories(gameFile().parent_path());
    std::ofstream(gameFile()) << "[CurrentGame]\nCredits=555\n";
    Start();
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("tester.JPG"), std::string::npos) << messages.errors[0];
    EXPECT_EQ(session.state().account.credits, 555);
    EXPECT_NE(At(400, 300), qRgb(0, 0, 0)) << "the stored background is painted";
}

TEST_F(Startup, AReplacementOfTheWrongSizeIsRefusedAndTheStoredPictureKept) {
    QImage tiny(1, 1, QImage::Format_RGB32);
    tiny.fill(Qt::red);
    ASSERT_TRUE(tiny.save(QString::fromStdString((programDir() / "Bingo.jpg").string()), "JPG"));
    CabinetWindow& cabinet = Start();
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("Bingo.jpg\": it is 1 by 1 pixels, and the game needs 304 by "
                                      "456."),
              std::string::npos)
        << messages.errors[0];
    const int c = cabinet.cabinetGeometry().cellSize;
    EXPECT_GE(cabinet.pictures().symbolSheet.width(), 4 * c) << "the stored sheet, four cells wide";
    EXPECT_NE(
        At(cabinet.cabinetGeometry().reelLeft + c / 2, cabinet.cabinetGeometry().reelTop + c / 2),
        qRgb(0, 0, 0))
        << "the reels are drawn";
}

TEST_F(Startup, AnUnreadableLargeBackgroundIsReportedAndTheStoredOneStretched) {
    Put("background_3x.jpg", "\xFF\xD8\xFF\xE0 not really a picture");
    CabinetWindow& cabinet = Start();
    if (cabinet.cabinetGeometry().layoutWidth <= 800)
        GTEST_SKIP() << "the large background is for layouts above the design size";
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("background_3x.jpg"), std::string::npos)
        << messages.errors[0];
    const int w = cabinet.cabinetGeometry().layoutWidth;
    EXPECT_NE(At(76 * w / 800, 300 * w / 800), qRgb(0, 0, 0)) << "the side panel is painted";
}

TEST_F(Startup, MissingSoundsAreReportedAndTheGameStillLoads) {
    Remove("Bingo0.wav");
    Remove("Bingo3.wav");
    std::filesystem::create_directories(gameFile().parent_path());
    std::ofstream(gameFile()) << "[CurrentGame]\nCredits=556\n";
    Start();
    ASSERT_EQ(messages.errors.size(), 2u);
    EXPECT_NE(messages.errors[0].find("Bingo0.wav"), std::string::npos);
    EXPECT_NE(messages.errors[1].find("Bingo3.wav"), std::string::npos);
    EXPECT_EQ(session.state().account.credits, 556);
}

TEST_F(Startup, NewGameResetsTheAccountOnly) {
    CabinetWindow& cabinet = Start();
    PassStartup();
    Arrange([&](SessionState& s) { s.account = {50, 3000, 10, 900, 40}; });
    Arrange([&](SessionState& s) { s.settings.linesBet = 3; });
    Arrange([&](SessionState& s) { s.lastBet = 3; });
    cabinet.action("newGame")->trigger();
    EXPECT_EQ(session.state().account, (Account{1000, 1000, 0, 0, 0}));
    EXPECT_EQ(session.state().settings.linesBet, 3);
    EXPECT_EQ(session.state().lastBet, 3);
    EXPECT_FALSE(cabinet.busy());
    EXPECT_EQ(GameFile(gameFile()).Read(kCurrentGameSlot).account, Account{}) << "stored at once";
}

TEST_F(Startup, ClosingStoresTheCurrentGame) {
    Start();
    PassStartup();
    Arrange([&](SessionState& s) { s.account = {1234, 1000, 5, 45, 0}; });
    EXPECT_TRUE(CloseWindow());
    const SavedGame stored = GameFile(gameFile()).Read(kCurrentGameSlot);
    EXPECT_EQ(stored.account, (Account{1234, 1000, 5, 45, 0}));
    EXPECT_EQ(stored.name, "CurrentGame");
}

TEST_F(Startup, ARefusedStoreIsToldAndThePlayerMayQuitOrPlayOn) {
    CabinetWindow& cabinet = Start();
    PassStartup();
    // The game file's directory is taken by a plain file: no store can succeed.
    std::filesystem::remove_all(configDir() / "quillane");
    std::ofstream(configDir() / "quillane") << "in the way";
    Arrange([&](SessionState& s) { s.account.credits = 5; });
    clock.ProcessEvents();
    const CabinetGeometry& g = cabinet.cabinetGeometry();
    const QImage strip =
        cabinet.surface().copy(g.Scale(172), g.Scale(50), g.Scale(452), g.Scale(11));
    int lit = 0;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            lit += strip.pixel(x, y) != qRgb(0, 0, 0);
    EXPECT_GT(lit, 20) << "the refusal is told in the message strip";
    EXPECT_FALSE(CloseWindow()) << "the player said No";
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0], "Unable to write to " + gameFile().string() +
                                         "\nNot a directory\n\nThe game was not stored. Quit "
                                         "without saving it?");
    std::filesystem::remove(configDir() / "quillane");
    EXPECT_TRUE(CloseWindow()) << "closing again tries the store again";
    EXPECT_EQ(GameFile(gameFile()).Read(kCurrentGameSlot).account.credits, 5);

    Start();
    std::filesystem::remove_all(configDir() / "quillane");
    std::ofstream(configDir() / "quillane") << "in the way";
    Arrange([&](SessionState& s) { s.account.credits = 6; });
    messages.confirmations.push_back(true);
    EXPECT_TRUE(CloseWindow());
    EXPECT_EQ(messages.questions.size(), 2u);
}

TEST_F(Startup, ASignalEndsTheGameAskingNothing) {
    CabinetWindow& cabinet = Start();
    PassStartup();
    std::filesystem::remove_all(configDir() / "quillane");
    std::ofstream(configDir() / "quillane") << "in the way";
    cabinet.EndSession();
    clock.ProcessEvents();
    EXPECT_FALSE(cabinet.isVisible());
    EXPECT_TRUE(messages.questions.empty());
}

TEST_F(Startup, AGameFileTooLargeToReadIsReportedAndNeverOverwritten) {
    std::filesystem::create_directories(gameFile().parent_path());
    std::ofstream(gameFile()) << "[CurrentGame]\nCredits=4321\n";
    std::filesystem::resize_file(gameFile(), 17 * 1024 * 1024);
    Start();
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("larger than 16 MiB"), std::string::npos)
        << messages.errors[0];
    EXPECT_EQ(session.state().account.credits, 1000) << "played as a new game";
    messages.confirmations.push_back(true);
    EXPECT_TRUE(CloseWindow()) << "quit without saving over it";
    EXPECT_EQ(std::filesystem::file_size(gameFile()), 17u * 1024 * 1024);
    std::ifstream file(gameFile());
    std::string first;
    std::getline(file, first);
    EXPECT_EQ(first, "[CurrentGame]");
}

TEST_F(Startup, TheManualOpensAtItsContents) {
    CabinetWindow& cabinet = Start();
    cabinet.action("manual")->trigger();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->shown, std::vector<int>{0});
}

}  // namespace
}  // namespace quillane::testing
