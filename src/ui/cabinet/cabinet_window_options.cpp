// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <cstdlib>

#include "ui/cabinet/cabinet_window.h"
#include "ui/options/language_dialog.h"
#include "ui/options/volume_dialog.h"

namespace quillane {

void CabinetWindow::LoadOptions() {
    options_ = env_.ledger.options();
    audio_->SwitchOnOff(options_.sound, options_.music);
    audio_->SetVolumes(options_.effectsVolume, options_.musicVolume);
    soundAction_->setChecked(options_.sound);
    musicAction_->setChecked(options_.music);
    quickPlayAction_->setChecked(options_.quickPlay);
    reduceMotionAction_->setChecked(options_.reduceMotion);
    linePatternsAction_->setChecked(options_.linePatterns);
    painter_->SetLinePatterns(options_.linePatterns);
    highContrastAction_->setChecked(options_.highContrast);
    painter_->SetHighContrast(options_.highContrast);
    rememberBetAction_->setChecked(options_.rememberBet);
    // Before the cabinet is first drawn, so that it shows the bet the next spin stakes.
    if (options_.rememberBet)
        session_.LightBet(options_.betLines, options_.betCredits);
    ApplyReminder();
}

void CabinetWindow::SaveOptions() {
    // The options are a comfort: a refused store is told like any other and the game goes on.
    env_.ledger.StoreOptions(options_);
}

void CabinetWindow::SetQuickPlay(bool on) {
    options_.quickPlay = on;
    quickPlayAction_->setChecked(on);
    SaveOptions();
}

void CabinetWindow::SetReduceMotion(bool on) {
    options_.reduceMotion = on;
    reduceMotionAction_->setChecked(on);
    SaveOptions();
}

void CabinetWindow::SetLinePatterns(bool on) {
    options_.linePatterns = on;
    linePatternsAction_->setChecked(on);
    painter_->SetLinePatterns(on);
    Redraw();
    SaveOptions();
}

void CabinetWindow::SetHighContrast(bool on) {
    options_.highContrast = on;
    highContrastAction_->setChecked(on);
    painter_->SetHighContrast(on);
    Redraw();
    SaveOptions();
}

void CabinetWindow::SetVolumes(int effectsPercent, int musicPercent) {
    options_.effectsVolume = effectsPercent;
    options_.musicVolume = musicPercent;
    audio_->SetVolumes(effectsPercent, musicPercent);
}

void CabinetWindow::VolumeCommand() {
    const PlayerOptions before = options_;
    auto* dialog = new VolumeDialog(
        options_.effectsVolume, options_.musicVolume,
        [this](int effects, int music) { SetVolumes(effects, music); }, this);
    ShowDialog(dialog, [this, before](int result) {
        if (result == QDialog::Accepted)
            SaveOptions();
        else
            SetVolumes(before.effectsVolume, before.musicVolume);
    });
}

void CabinetWindow::LanguageCommand() {
    auto* dialog = new LanguageDialog(options_.language, DesktopLanguage(std::getenv), this);
    ShowDialog(dialog, [this, dialog](int result) {
        if (result != QDialog::Accepted || dialog->choice() == options_.language)
            return;
        options_.language = dialog->choice();
        SaveOptions();
        // Qt tells every window of the change; each translates itself again.
        if (env_.translations)
            env_.translations->Apply(ChosenLanguage(options_.language, std::getenv));
    });
}

}  // namespace quillane
