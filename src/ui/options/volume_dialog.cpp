// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/options/volume_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>

#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

constexpr int kSliderWidth = 220;
constexpr int kPageStep = 10;  // percent, for Page Up and Page Down

}  // namespace

VolumeDialog::VolumeDialog(int effectsPercent, int musicPercent, Change change, QWidget* parent)
    : QDialog(parent) {
    //: The title of the window with the sound effects' and the music's sliders.
    setWindowTitle(QCoreApplication::translate("VolumeDialog", "Volume"));
    UseDialogFrame(*this);
    auto* layout = new QFormLayout(this);
    auto slider = [this](int percent) {
        auto* s = new QSlider(Qt::Horizontal, this);
        s->setRange(0, 100);
        s->setPageStep(kPageStep);
        s->setValue(percent);
        s->setMinimumWidth(kSliderWidth);
        return s;
    };
    effects_ = slider(effectsPercent);
    music_ = slider(musicPercent);
    layout->addRow(QCoreApplication::translate("VolumeDialog", "Sound &effects:"), effects_);
    layout->addRow(QCoreApplication::translate("VolumeDialog", "&Music:"), music_);
    for (QSlider* s : {effects_, music_}) {
        connect(s, &QSlider::valueChanged, this,
                [this, change] { change(effects_->value(), music_->value()); });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

}  // namespace quillane
