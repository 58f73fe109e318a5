// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/storage_writer.h"

#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <vector>

namespace quillane {
namespace {

// A backlog behind a job that waits for the test: the newest job of each target is written,
// in the order handed over, and a ticket counts as written only once its target's newest job
// has run.
TEST(StorageWriter, ABacklogIsWrittenAsItsNewestStateInOrder) {
    StorageWriter writer(StorageWriter::Mode::Thread);
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::mutex mutex;
    std::vector<int> written;
    const auto job = [&](int value) {
        return [&, value]() -> std::optional<Notice> {
            std::lock_guard lock(mutex);
            written.push_back(value);
            return std::nullopt;
        };
    };
    writer.Post(0, 1, [released]() -> std::optional<Notice> {
        released.wait();
        return std::nullopt;
    });
    writer.Post(1, 2, job(12));
    writer.Post(2, 3, job(23));
    writer.Post(1, 4, job(14));
    writer.Post(2, 5, job(25));
    writer.Post(3, 6, job(36));
    EXPECT_LT(writer.done(), 1u) << "the first job has not run";
    release.set_value();
    EXPECT_EQ(writer.Flush(), std::nullopt);
    EXPECT_EQ(written, (std::vector<int>{14, 25, 36}));
    EXPECT_EQ(writer.done(), 6u);
}

TEST(StorageWriter, ARefusalIsToldOnceForEachReasonAndDrainingSaysWhatWasNotWritten) {
    StorageWriter writer(StorageWriter::Mode::Inline);
    std::vector<std::string> told;
    writer.OnRefusal([&](const Notice& reason) { told.push_back(reason.English()); });
    const auto refuse = [](std::string reason) {
        return [reason]() -> std::optional<Notice> { return reason; };
    };
    const auto write = []() -> std::optional<Notice> { return std::nullopt; };
    writer.Post(0, 1, refuse("disk full"));
    writer.Post(0, 2, refuse("disk full"));
    writer.Post(1, 3, write);
    EXPECT_TRUE(writer.refusing());
    std::optional<Notice> drained;
    writer.Drain([&](const std::optional<Notice>& refusal) { drained = refusal; });
    EXPECT_EQ(drained, "disk full") << "target 0's last job was refused";
    writer.Post(0, 4, write);
    writer.Post(0, 5, refuse("disk full"));
    writer.Post(0, 6, [] {
        throw std::runtime_error("read-only");
        return std::optional<Notice>();
    });
    EXPECT_EQ(told, (std::vector<std::string>{"disk full", "disk full", "read-only"}));
    writer.Post(0, 7, write);
    EXPECT_FALSE(writer.refusing());
    EXPECT_EQ(writer.Flush(), std::nullopt);
    EXPECT_EQ(writer.done(), 7u) << "refused jobs count as run";
}

}  // namespace
}  // namespace quillane
