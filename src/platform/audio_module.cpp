// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/audio_module.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <filesystem>
#include <vector>

namespace quillane {

std::unique_ptr<AudioSystem> OpenAudioModule(const std::filesystem::path& musicCache,
                                             std::string& error) {
    namespace fs = std::filesystem;
    const fs::path program = QCoreApplication::applicationDirPath().toStdString();
    // Beside the program in the build tree; installed, in the game's own directory of internal
    // files.
    const std::vector<fs::path> places = {program / kAudioModuleFile,
                                          program / QUILLANE_AUDIO_MODULE_DIR / kAudioModuleFile};
    std::string reasons;
    for (const fs::path& place : places) {
        std::error_code missing;
        if (!fs::is_regular_file(place, missing))
            continue;
        // Kept loaded for the rest of the run: SDL's threads and hooks live in it.
        void* module = ::dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            reasons += ::dlerror();
            continue;
        }
        auto open = reinterpret_cast<OpenAudioFunction>(::dlsym(module, kAudioModuleEntry));
        if (open == nullptr) {
            reasons += ::dlerror();
            continue;
        }
        std::unique_ptr<AudioSystem> audio(open(musicCache, &error));
        return audio;
    }
    //: %1 is the system's reason, in English, or empty
    error =
        QCoreApplication::translate("AudioModule", "The game's sound module cannot be loaded. %1")
            .arg(QString::fromStdString(reasons))
            .trimmed()
            .toStdString();
    return nullptr;
}

}  // namespace quillane
