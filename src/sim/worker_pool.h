// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quillane::sim {

// Threads that share out numbered tasks. The thread that calls Run takes its share too, so a pool
// of one thread starts none.
class WorkerPool {
  public:
    explicit WorkerPool(int threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Calls task(i) once for every i below `count`, in no set order and on any of the threads;
    // returns when all the calls have returned. The task must not throw.
    void Run(std::size_t count, const std::function<void(std::size_t)>& task);

  private:
    void Work();
    void TakeTasks();

    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable started_;
    std::condition_variable finished_;
    const std::function<void(std::size_t)>* task_ = nullptr;
    std::size_t count_ = 0;
    std::atomic<std::size_t> next_{0};
    std::uint64_t round_ = 0;  // counts the calls of Run, so a worker sees each one once
    int busy_ = 0;             // workers still in this round
    bool stopping_ = false;
};

}  // namespace quillane::sim
