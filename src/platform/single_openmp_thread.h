// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quillane {

// FluidSynth reads a sound font's samples in an OpenMP parallel loop, whose worker threads then
// spin on the processors for a while. Called on a thread before it loads a sound font, this
// keeps that thread's loops to itself; nothing when OpenMP is not in the process.
void UseOneOpenMpThread();

}  // namespace quillane
