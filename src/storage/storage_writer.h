// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "storage/notice.h"

namespace quillane {

// Writes the game's files on a thread of its own, in the order the jobs are handed over, so
// that no disk wait falls on the thread that hands them over. A job stands for all that one
// target (a file, or one game in it) should hold: a job that has not started yet is dropped
// when a newer one for the same target comes, and a backlog is written as its newest state.
// Inline, every job runs at once on the caller's thread, for tests that look at the files.
class StorageWriter {
  public:
    enum class Mode { Thread, Inline };
    // Writes one target; returns why it was refused, nothing when it was written.
    using Job = std::function<std::optional<Notice>()>;
    using Report = std::function<void(const Notice& refusal)>;
    using Finished = std::function<void(const std::optional<Notice>& refusal)>;

    explicit StorageWriter(Mode mode);
    // Runs what it holds, then stops.
    ~StorageWriter();
    StorageWriter(const StorageWriter&) = delete;
    StorageWriter& operator=(const StorageWriter&) = delete;

    // Hands over `job` for `target` (a number of the caller's) with `ticket`, which must grow
    // from one job to the next.
    void Post(int target, std::uint64_t ticket, Job job);
    // Every ticket up to this one has run, written or refused, itself or through a newer job for
    // its target.
    std::uint64_t done() const { return done_.load(); }
    // Whether the last job of some target was refused.
    bool refusing() const;
    // Told, on the writer's thread, of a refused job: once for each reason, and again after a
    // job was written.
    void OnRefusal(Report report);
    // Runs `finished` on the writer's thread once every job handed over so far has run; it gets
    // the refusal of a target whose last job was refused, nothing when every one was written.
    void Drain(Finished finished);
    // Waits for what Drain waits for and returns what it would give; for the end of the process
    // and for tests.
    std::optional<Notice> Flush();

  private:
    static constexpr int kBarrier = -1;

    struct Entry {
        int target = 0;
        std::uint64_t first = 0;  // the oldest ticket this job stands for
        std::uint64_t ticket = 0;
        Job job;
        Finished finished;  // a barrier's
    };

    void Run();
    // Runs one entry with the lock released; returns with it held again.
    void Execute(Entry entry, std::unique_lock<std::mutex>& lock);
    void UpdateDone();
    std::optional<Notice> Refusal() const;

    const Mode mode_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Entry> queue_;
    std::optional<Entry> running_;
    std::map<int, Notice> refused_;  // targets whose last job was refused
    std::string lastReported_;       // in English
    Report report_;
    std::uint64_t posted_ = 0;
    std::atomic<std::uint64_t> done_{0};
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace quillane
