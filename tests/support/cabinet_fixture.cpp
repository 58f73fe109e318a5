// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cabinet_fixture.h"

#include "core/spin_draw.h"
#include "core/spin_result.h"
#include "ui/cabinet/cabinet_layout.h"

#include <cstdlib>
#include <fstream>

namespace quillane::testing {

int ColourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

CabinetFixture::CabinetFixture() {
    root_ = std::filesystem::temp_directory_path() /
            ("quillane-ui-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root_);
    programDir_ = root_ / "program";
    configDir_ = root_ / "config";
    dataDir_ = root_ / "data";
    std::filesystem::create_directories(programDir_);
    std::filesystem::create_directories(configDir_);
    historyDir = root_ / "data" / "quillane";
    ::setenv("XDG_CONFIG_HOME", configDir_.c_str(), 1);
    ::setenv("XDG_DATA_HOME", dataDir_.c_str(), 1);
    Put("Bingo0.wav");
    Put("Bingo3.wav");
}

CabinetFixture::~CabinetFixture() {
    cabinet_.reset();
    ledger_.reset();
    std::error_code error;
    std::filesystem::remove_all(root_, error);
}

void CabinetFixture::Put(const std::string& name, const std::string& contents) {
    std::ofstream(programDir_ / name, std::ios::binary) << contents;
}

void CabinetFixture::Remove(const std::string& name) {
    std::filesystem::remove(programDir_ / name);
}

void CabinetFixture::PutForPlayer(const std::string& name, const std::string& contents) {
    std::filesystem::create_directories(playerDir());
    std::ofstream(playerDir() / name, std::ios::binary) << contents;
}

void CabinetFixture::PutShippedFile(const std::string& name) {
    std::filesystem::copy_file(std::filesystem::path(QUILLANE_SHIPPED_FILES) / name,
                               programDir_ / name,
                               std::filesystem::copy_options::overwrite_existing);
}

CabinetWindow& CabinetFixture::Start() {
    cabinet_.reset();
    GameLedger::Files files{configDir_ / "quillane" / (stem + ".ini"), historyDir, stem, {}};
    ledger_ = std::make_unique<GameLedger>(files, StorageWriter::Mode::Inline);
    Environment environment{
        clock,
        screen,
        session,
        *ledger_,
        sound,
        music,
        messages,
        [this](const std::filesystem::path& manual) {
            auto recording = std::make_unique<RecordingHelp>();
            recording->manual = manual;
            help = recording.get();
            return recording;
        },
        programDir_ / stem,
        [this] { return seed; },
    };
    environment.audioSilent = audioSilent;
    environment.translations = translations;
    cabinet_ = std::make_unique<CabinetWindow>(environment);
    // The real bonus window waits for the player; this one chooses and plays out at once.
    if (!realBonusWindow) {
        cabinet_->SetBonusOpener(
            [this](const BingoGame&, std::optional<int> card, bool, SpinCycle::BonusEvents events) {
                ++bonusGamesPlayed;
                events.chosen(card.value_or(bonusCard));
                events.blackout();
                events.closed();
            });
    }
    cabinet_->show();
    clock.ProcessEvents();
    return *cabinet_;
}

void CabinetFixture::Settle() {
    for (int step = 0; step < 10000 && !cabinet_->cycle().idle(); ++step)
        clock.Advance(25);
    ASSERT_TRUE(cabinet_->cycle().idle()) << "the spin never ended";
}

void CabinetFixture::SpinAndSettle() {
    cabinet_->PressKey(Qt::Key_Return);
    Settle();
}

void CabinetFixture::ClickMiddle(const cabinet_layout::Box& box) {
    const CabinetGeometry& g = cabinet_->cabinetGeometry();
    cabinet_->Click(g.Scale((box.left + box.right) / 2), g.Scale((box.top + box.bottom) / 2));
}

bool CabinetFixture::CloseWindow() {
    cabinet_->close();
    clock.ProcessEvents();
    return !cabinet_->isVisible();
}

int CabinetFixture::RichestCard() const {
    RandomGenerator timeOfDay(seed);
    BingoGame game(timeOfDay, 9);
    game.PlayOut();
    int card = 0;
    for (int c = 1; c < kCardCount; ++c)
        if (game.total(c) > game.total(card))
            card = c;
    return card;
}

SpinResult CabinetFixture::SeedFor(const std::function<bool(const SpinResult&)>& wanted) {
    for (std::uint32_t s = 1; s < 2'000'000; ++s) {
        RandomGenerator random(s);
        const ReelStops stops = DrawSpin(random, cabinet_->cabinetGeometry().motionHeight).stops;
        const BetSettings& bet = session.state().settings;
        const SpinResult r =
            ScoreSpin(session.reelSymbols(), stops, bet.linesBet, bet.creditsPerLine);
        if (wanted(r)) {
            session.Seed(s);
            return r;
        }
    }
    ADD_FAILURE() << "no seed gives the spin wanted";
    return {};
}

}  // namespace quillane::testing
