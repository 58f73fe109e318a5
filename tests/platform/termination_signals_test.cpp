// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/termination_signals.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <vector>

namespace quillane {
namespace {

void Elsewhere(int) {}

TEST(TerminationSignals, HandsEachSignalToTheEventLoopAndGivesTheDispositionsBack) {
    // Each signal's disposition before the object, to be found again after it.
    const struct {
        int signal;
        void (*before)(int);
    } cases[] = {{SIGTERM, SIG_IGN}, {SIGHUP, Elsewhere}, {SIGINT, SIG_IGN}};
    for (const auto& c : cases)
        ASSERT_NE(::signal(c.signal, c.before), SIG_ERR);
    const std::vector<int> sent{SIGTERM, SIGHUP, SIGINT, SIGTERM};
    std::vector<int> received;
    {
        QEventLoop loop;
        TerminationSignals endSignals([&](int signal) {
            received.push_back(signal);
            if (received.size() == sent.size())
                loop.quit();
        });
        for (const int signal : sent)
            ASSERT_EQ(::raise(signal), 0);
        EXPECT_TRUE(received.empty()) << "handled inside the signal handler";
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        QCoreApplication::processEvents();
        EXPECT_EQ(received, sent);
    }
    for (const auto& c : cases) {
        struct sigaction now {};
        ASSERT_EQ(::sigaction(c.signal, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, c.before) << c.signal;
    }
}

}  // namespace
}  // namespace quillane

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
