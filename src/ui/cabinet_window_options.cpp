#include <QAction>

#include "core/betting.h"
#include "storage/options_file.h"
#include "storage/profile.h"
#include "ui/cabinet_window.h"
#include "ui/volume_dialog.h"

namespace quillane {

void CabinetWindow::LoadOptions() {
    if (!settings_.gameFile.empty())
        options_ = ReadOptions(settings_.gameFile);
    audio_->SwitchOnOff(options_.sound, options_.music);
    audio_->SetVolumes(options_.effectsVolume, options_.musicVolume);
    soundAction_->setChecked(options_.sound);
    musicAction_->setChecked(options_.music);
    quickPlayAction_->setChecked(options_.quickPlay);
}

void CabinetWindow::SaveOptions() {
    if (settings_.gameFile.empty())
        return;
    try {
        WriteOptions(settings_.gameFile, options_);
    } catch (const profile::WriteError&) {
        // The options are a comfort: the game goes on with them for this session.
    }
}

void CabinetWindow::SetQuickPlay(bool on) {
    options_.quickPlay = on;
    quickPlayAction_->setChecked(on);
    SaveOptions();
}

void CabinetWindow::SetVolumes(int effectsPercent, int musicPercent) {
    options_.effectsVolume = effectsPercent;
    options_.musicVolume = musicPercent;
    audio_->SetVolumes(effectsPercent, musicPercent);
}

void CabinetWindow::VolumeCommand() {
    const PlayerOptions before = options_;
    VolumeDialog dialog(
        options_.effectsVolume, options_.musicVolume,
        [this](int effects, int music) { SetVolumes(effects, music); }, this);
    if (dialog.exec() == QDialog::Accepted)
        SaveOptions();
    else
        SetVolumes(before.effectsVolume, before.musicVolume);
}

void CabinetWindow::StepBet(bool lines, int step) {
    if (busy_)
        return;
    const BetSettings& settings = session_.state().settings;
    const int key = (lines ? settings.linesKey : settings.creditsKey) + step;
    const int first = lines ? 1 : kFirstCreditsKey;
    if (key < first || key >= first + kLinesKeyCount)
        return;
    winDisplayTimer().SetEnabled(false);
    painter_->ClearMessageStrip();
    const BetKeyOutcome outcome = session_.SelectBetKey(key);
    if (outcome.refusal)
        env_.messages.Inform(*outcome.refusal);
    if (outcome.accepted)
        ShowBetSelection(key);
}

}  // namespace quillane
