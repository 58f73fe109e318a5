// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/worker_pool.h"

namespace quillane::sim {

WorkerPool::WorkerPool(int threads) {
    for (int i = 1; i < threads; ++i)
        workers_.emplace_back([this] { Work(); });
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    started_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

void WorkerPool::Run(std::size_t count, const std::function<void(std::size_t)>& task) {
    {
        const std::lock_guard lock(mutex_);
        task_ = &task;
        count_ = count;
        next_ = 0;
        busy_ = static_cast<int>(workers_.size());
        ++round_;
    }
    started_.notify_all();
    TakeTasks();
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return busy_ == 0; });
    task_ = nullptr;
}

void WorkerPool::Work() {
    std::uint64_t seen = 0;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            started_.wait(lock, [&] { return stopping_ || round_ != seen; });
            if (stopping_)
                return;
            seen = round_;
        }
        TakeTasks();
        {
            const std::lock_guard lock(mutex_);
            --busy_;
        }
        finished_.notify_one();
    }
}

void WorkerPool::TakeTasks() {
    for (std::size_t i = next_++; i < count_; i = next_++)
        (*task_)(i);
}

}  // namespace quillane::sim
