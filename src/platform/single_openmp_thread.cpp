// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/single_openmp_thread.h"

#include <dlfcn.h>

namespace quillane {

void UseOneOpenMpThread() {
    // Looked up rather than linked: the OpenMP runtime comes with FluidSynth, when it does.
    using SetThreads = void (*)(int);
    static const auto setThreads =
        reinterpret_cast<SetThreads>(::dlsym(RTLD_DEFAULT, "omp_set_num_threads"));
    if (setThreads != nullptr)
        setThreads(1);
}

}  // namespace quillane
