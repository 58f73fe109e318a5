// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QSlider>
#include <functional>

namespace quillane {

// Two sliders, for the sound effects and the music, heard as they move; Cancel puts them back.
class VolumeDialog : public QDialog {
  public:
    using Change = std::function<void(int effectsPercent, int musicPercent)>;

    VolumeDialog(int effectsPercent, int musicPercent, Change change, QWidget* parent = nullptr);

    QSlider* effects() const { return effects_; }
    QSlider* music() const { return music_; }

  private:
    QSlider* effects_ = nullptr;
    QSlider* music_ = nullptr;
};

}  // namespace quillane
