// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/asset_files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QThreadPool>
#include <algorithm>
#include <exception>
#include <mutex>
#include <span>
#include <string>
#include <system_error>

#include "platform/jpeg.h"
#include "storage/paths.h"

namespace quillane {

namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace

std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& directory,
                                                    std::string_view name) {
    std::optional<std::filesystem::path> best;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(directory, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string candidate = entry->path().filename().string();
        std::error_code statError;
        if (!EqualIgnoringAsciiCase(candidate, name) || !entry->is_regular_file(statError)) {
            continue;
        }
        if (candidate == name) {
            return entry->path();
        }
        if (!best || candidate < best->filename().string()) {
            best = entry->path();
        }
    }
    if (error) {
        return std::nullopt;
    }
    return best;
}

std::filesystem::path ProgramDataDirectory(const std::filesystem::path& programFile) {
    const std::filesystem::path directory = programFile.parent_path();
    if (directory.filename() == "games" || directory.filename() == "bin") {
        std::filesystem::path shared = directory.parent_path() / "share" / "quillane";
        std::error_code error;
        if (std::filesystem::is_directory(shared, error))
            return shared;
    }
    return directory;
}

std::vector<std::filesystem::path> AssetDirectories(const std::filesystem::path& programFile) {
    std::vector<std::filesystem::path> directories;
    try {
        directories.push_back(DataDirectory());
    } catch (const std::exception&) {
        // No home directory: the program's own files still serve.
    }
    directories.push_back(ProgramDataDirectory(programFile));
    return directories;
}

std::optional<std::filesystem::path> FindAsset(
    const std::vector<std::filesystem::path>& directories, std::string_view name) {
    for (const auto& directory : directories) {
        if (auto found = FindFileNoCase(directory, name))
            return found;
    }
    return std::nullopt;
}

QImage LoadBuiltinPicture(const QString& resourcePath) {
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    QImage image;
    if (resourcePath.endsWith(".jpg", Qt::CaseInsensitive) ||
        resourcePath.endsWith(".jpeg", Qt::CaseInsensitive)) {
        std::string error;
        image = DecodeJpeg(std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                     static_cast<std::size_t>(bytes.size())),
                           error);
    } else {
        image.loadFromData(bytes);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

namespace {

struct PictureCache {
    std::mutex mutex;
    QHash<QString, QImage> pictures;
};

// Never destroyed: a decoding thread may still be at work when the program ends.
PictureCache& SharedPictures() {
    static auto* cache = new PictureCache;
    return *cache;
}

}  // namespace

QImage SharedBuiltinPicture(const QString& resourcePath) {
    PictureCache& cache = SharedPictures();
    {
        std::lock_guard lock(cache.mutex);
        if (const auto found = cache.pictures.constFind(resourcePath);
            found != cache.pictures.constEnd())
            return *found;
    }
    // Decoded without the lock: two threads asking at once both decode it, and that is all.
    const QImage picture = LoadBuiltinPicture(resourcePath);
    std::lock_guard lock(cache.mutex);
    cache.pictures.insert(resourcePath, picture);
    return picture;
}

void PrepareSharedPictures(const QString& resourceDirectory) {
    const QStringList names = QDir(resourceDirectory).entryList(QDir::Files);
    QThreadPool::globalInstance()->start([resourceDirectory, names] {
        for (const QString& name : names)
            SharedBuiltinPicture(resourceDirectory + "/" + name);
    });
}

}  // namespace quillane
