#include "storage/options_file.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "storage/profile.h"

namespace quillane {
namespace {

constexpr std::string_view kSection = "Options";
constexpr std::size_t kMaxValueLength = 16;

std::optional<long long> Number(const std::string& text, long long low, long long high) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

class Reader {
  public:
    explicit Reader(std::string text) : text_(std::move(text)) {}

    std::optional<std::string> Value(std::string_view key) const {
        return profile::FindValue(text_, kSection, key, kMaxValueLength);
    }
    void Flag(std::string_view key, bool& flag) const {
        if (const auto v = Value(key); v == "1" || v == "0")
            flag = *v == "1";
    }
    template <class Int>
    void Integer(std::string_view key, Int& value, long long low, long long high) const {
        if (const auto v = Value(key))
            if (const auto n = Number(*v, low, high))
                value = static_cast<Int>(*n);
    }
    // An empty value is "no limit".
    void Limit(std::string_view key, std::optional<std::int32_t>& limit) const {
        const auto v = Value(key);
        if (v && v->empty())
            limit.reset();
        else if (const auto n = v ? Number(*v, 0, INT32_MAX) : std::nullopt)
            limit = static_cast<std::int32_t>(*n);
    }

  private:
    std::string text_;
};

bool IsAutoplayChoice(int spins) {
    for (int choice : kAutoplayChoices)
        if (choice == spins)
            return true;
    return false;
}

}  // namespace

PlayerOptions ReadOptions(const std::filesystem::path& gameFile) {
    return ParseOptions(profile::LoadText(gameFile));
}

PlayerOptions ParseOptions(std::string_view gameFileText) {
    PlayerOptions options;
    const Reader r{std::string(gameFileText)};
    r.Flag("QuickPlay", options.quickPlay);
    r.Flag("Sound", options.sound);
    r.Flag("Music", options.music);
    r.Integer("EffectsVolume", options.effectsVolume, 0, PlayerOptions::kFullVolume);
    r.Integer("MusicVolume", options.musicVolume, 0, PlayerOptions::kFullVolume);
    int spins = options.autoplay.spins;
    r.Integer("AutoplaySpins", spins, 1, 100);
    if (IsAutoplayChoice(spins))
        options.autoplay.spins = spins;
    r.Flag("AutoplayStopOnBonus", options.autoplay.stopOnBonus);
    r.Limit("AutoplayStopOnWin", options.autoplay.stopOnWinAtLeast);
    r.Limit("AutoplayStopBelow", options.autoplay.stopBelowCredits);
    return options;
}

void WriteOptions(const std::filesystem::path& gameFile, const PlayerOptions& options) {
    profile::UpdateFile(gameFile,
                        [&](std::string text) { return WithOptions(std::move(text), options); });
}

std::string WithOptions(std::string text, const PlayerOptions& options) {
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    const auto limit = [](const std::optional<std::int32_t>& n) {
        return n ? std::to_string(*n) : std::string();
    };
    const std::array<std::pair<std::string_view, std::string>, 9> values = {{
        {"QuickPlay", flag(options.quickPlay)},
        {"Sound", flag(options.sound)},
        {"Music", flag(options.music)},
        {"EffectsVolume", std::to_string(options.effectsVolume)},
        {"MusicVolume", std::to_string(options.musicVolume)},
        {"AutoplaySpins", std::to_string(options.autoplay.spins)},
        {"AutoplayStopOnBonus", flag(options.autoplay.stopOnBonus)},
        {"AutoplayStopOnWin", limit(options.autoplay.stopOnWinAtLeast)},
        {"AutoplayStopBelow", limit(options.autoplay.stopBelowCredits)},
    }};
    for (const auto& [key, value] : values)
        text = profile::SetValue(text, kSection, key, value);
    return text;
}

}  // namespace quillane
