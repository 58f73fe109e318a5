// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTextBrowser>
#include <fstream>

#include "fakes.h"
#include "platform/help_window.h"
#include "test_files.h"

namespace quillane::testing {
namespace {

TEST(HelpWindow, AMissingManualIsSaidPlainly) {
    RecordingMessages messages;
    HelpWindow help("/nonexistent/quillane.html", messages);
    help.ShowContents();
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "The manual \"/nonexistent/quillane.html\" could not be found.");
    EXPECT_EQ(help.window(), nullptr);
}

TEST(HelpWindow, OpensTheManualAtATopic) {
    const test_support::TemporaryDirectory dir("quillane-help");
    const auto manual = dir.path() / "quillane.html";
    std::ofstream(manual) << "<html><head><title>Quillane Manual</title></head><body>"
                          << "<h1>Contents</h1>" << std::string(4000, '.') << "<p>"
                          << std::string(4000, '.') << "<h2><a name=\"41008\">Saving</a></h2>"
                          << "</body></html>";
    RecordingMessages messages;
    HelpWindow help(manual, messages);
    help.ShowTopic(41008);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_EQ(help.window()->windowTitle(), "Quillane Manual");
    EXPECT_TRUE(messages.errors.empty());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(help.window(), &escape);
    EXPECT_FALSE(help.window() != nullptr && help.window()->isVisible()) << "Escape closes it";
}

}  // namespace
}  // namespace quillane::testing
