// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <functional>
#include <memory>
#include <span>

#include "core/game_session.h"
#include "fakes.h"
#include "layout_checks.h"
#include "platform/asset_files.h"
#include "ui/account/borrow_window.h"
#include "ui/account/slot_dialog.h"
#include "ui/account/statistics_window.h"
#include "ui/options/autoplay_dialog.h"
#include "ui/options/reminder_dialog.h"
#include "ui/options/volume_dialog.h"

namespace quillane::testing {
namespace {

// Every caption and button made `grown` times as long, as a translation might make them.
void Lengthen(QWidget& window, double grown) {
    // Words of a translation: a long text still wraps where it did.
    const auto longer = [grown](QString text) {
        for (qsizetype k = 0, extra = static_cast<qsizetype>(text.size() * grown); k < extra; ++k)
            text += k % 5 == 4 ? u' ' : u'x';
        return text;
    };
    for (auto* label : window.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            label->setText(longer(label->text()));
    }
    for (auto* button : window.findChildren<QAbstractButton*>()) {
        if (!button->text().isEmpty())
            button->setText(longer(button->text()));
    }
}

TEST(DialogsGrowTest, EveryDialogKeepsItsWidgetsApartAndWholeAsItsTextsGrow) {
    GameSession session;
    RecordingMessages messages;
    const QImage digits = LoadBuiltinPicture(QStringLiteral(":/pictures/green_small.png"));
    std::array<SavedGame, kSavedSlotCount> games{};
    for (int slot = 0; slot < kSavedSlotCount; ++slot)
        games[static_cast<std::size_t>(slot)] = {"GameNo" + std::to_string(slot + 1), "12/07/2026",
                                                 Account{1000, 1000, 0, 0, 0}};
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> dialogs = {
        {"statistics",
         [] {
             return std::make_unique<StatisticsWindow>(
                 TakeStatistics(Account{955, 1000, 100, 900, 500}), ComputeTheoreticalReturn(9, 1),
                 std::vector<std::int64_t>{1000, 990, 1020});
         }},
        {"borrow",
         [&] {
             return std::make_unique<BorrowWindow>(session, digits, digits, messages, nullptr);
         }},
        {"slots",
         [&] {
             return std::make_unique<SlotDialog>(SlotDialog::kSave, games, "Quillane", messages,
                                                 nullptr);
         }},
        {"autoplay", [] { return std::make_unique<AutoplayDialog>(AutoplayPlan{}); }},
        {"volume", [] { return std::make_unique<VolumeDialog>(50, 80, [](int, int) {}); }},
        {"reminder", [] { return std::make_unique<ReminderDialog>(30, ReminderStyle::Window); }},
    };
    // QUILLANE_LAYOUT_SHOTS names a directory to keep pictures of the dialogs in.
    const QString shots = qEnvironmentVariable("QUILLANE_LAYOUT_SHOTS");
    for (const auto& [name, make] : dialogs) {
        for (const double grown : {0.0, 0.4}) {
            SCOPED_TRACE(std::string(name) + (grown > 0 ? " with longer texts" : ""));
            const std::unique_ptr<QWidget> window = make();
            window->show();
            Lengthen(*window, grown);
            QApplication::processEvents();
            ExpectLaidOutCleanly(*window);
            if (!shots.isEmpty())
                window->grab().save(QDir(shots).filePath(QString::fromLatin1(name) +
                                                         (grown > 0 ? "_long.png" : ".png")));
        }
    }
}

}  // namespace
}  // namespace quillane::testing
