// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>

namespace quillane {

// The boxes that speak to the player. None waits: each is shown and the game goes on, and an
// answer comes back through the callback when the player gives it. Tests put a recorder here.
class Messages {
  public:
    virtual ~Messages() = default;

    // An information box with an OK button.
    virtual void Inform(const std::string& text) = 0;
    // The application's error box.
    virtual void Error(const std::string& text) = 0;
    // A question answered Yes or No; No unless the player says Yes.
    virtual void Confirm(const std::string& text, std::function<void(bool yes)> answered) = 0;
    // A one-line input box; nullopt when the player cancels.
    virtual void AskText(const std::string& caption, const std::string& prompt,
                         const std::string& initial,
                         std::function<void(std::optional<std::string>)> answered) = 0;
};

// The manual: an HTML file whose topics are anchors named by their numbers.
class Help {
  public:
    virtual ~Help() = default;
    virtual void ShowContents() = 0;
    virtual void ShowTopic(int topic) = 0;
};

}  // namespace quillane
