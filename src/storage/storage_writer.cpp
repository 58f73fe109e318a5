// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/storage_writer.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace quillane {

StorageWriter::StorageWriter(Mode mode) : mode_(mode) {
    if (mode_ == Mode::Thread)
        thread_ = std::thread([this] { Run(); });
}

StorageWriter::~StorageWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void StorageWriter::Post(int target, std::uint64_t ticket, Job job) {
    std::unique_lock lock(mutex_);
    Entry entry{target, ticket, ticket, std::move(job), {}};
    const auto older = std::find_if(queue_.begin(), queue_.end(),
                                    [target](const Entry& e) { return e.target == target; });
    if (older != queue_.end()) {
        entry.first = older->first;
        queue_.erase(older);
    }
    posted_ = std::max(posted_, ticket);
    queue_.push_back(std::move(entry));
    if (mode_ == Mode::Inline) {
        Entry next = std::move(queue_.front());
        queue_.pop_front();
        Execute(std::move(next), lock);
        return;
    }
    UpdateDone();
    lock.unlock();
    wake_.notify_one();
}

bool StorageWriter::refusing() const {
    std::lock_guard lock(mutex_);
    return !refused_.empty();
}

void StorageWriter::OnRefusal(Report report) {
    std::lock_guard lock(mutex_);
    report_ = std::move(report);
}

void StorageWriter::Drain(Finished finished) {
    std::unique_lock lock(mutex_);
    Entry barrier{kBarrier, 0, 0, {}, std::move(finished)};
    if (mode_ == Mode::Inline) {
        Execute(std::move(barrier), lock);
        return;
    }
    queue_.push_back(std::move(barrier));
    lock.unlock();
    wake_.notify_one();
}

std::optional<Notice> StorageWriter::Flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !running_; });
    return Refusal();
}

void StorageWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty())
            return;
        Entry next = std::move(queue_.front());
        queue_.pop_front();
        Execute(std::move(next), lock);
    }
}

void StorageWriter::Execute(Entry entry, std::unique_lock<std::mutex>& lock) {
    running_ = Entry{entry.target, entry.first, entry.ticket, {}, {}};
    UpdateDone();
    if (entry.target == kBarrier) {
        const std::optional<Notice> refusal = Refusal();
        lock.unlock();
        if (entry.finished)
            entry.finished(refusal);
        lock.lock();
    } else {
        lock.unlock();
        std::optional<Notice> refusal;
        try {
            refusal = entry.job();
        } catch (const NoticeError& error) {
            refusal = error.notice();
        } catch (const std::exception& error) {
            refusal = Notice(error.what());
        }
        lock.lock();
        Report report;
        if (refusal) {
            refused_[entry.target] = *refusal;
            if (refusal->English() != lastReported_) {
                lastReported_ = refusal->English();
                report = report_;
            }
        } else {
            refused_.erase(entry.target);
            lastReported_.clear();
        }
        if (report) {
            lock.unlock();
            report(*refusal);
            lock.lock();
        }
    }
    running_.reset();
    UpdateDone();
    if (queue_.empty())
        idle_.notify_all();
}

void StorageWriter::UpdateDone() {
    std::uint64_t done = posted_;
    const auto waiting = [&done](const Entry& e) {
        if (e.target != kBarrier)
            done = std::min(done, e.first - 1);
    };
    std::for_each(queue_.begin(), queue_.end(), waiting);
    if (running_)
        waiting(*running_);
    done_.store(std::max(done_.load(), done));
}

std::optional<Notice> StorageWriter::Refusal() const {
    if (refused_.empty())
        return std::nullopt;
    return refused_.begin()->second;
}

}  // namespace quillane
