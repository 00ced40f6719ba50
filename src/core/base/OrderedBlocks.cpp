#include "core/base/OrderedBlocks.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace ordered_blocks {

namespace {

std::atomic<int> threadCount{std::max(int(std::thread::hardware_concurrency()), 1)};

// What the workers and the committing thread share.
struct Schedule
{
    std::mutex Mutex;
    std::condition_variable Computed;   // a block is ready
    std::condition_variable Freed;      // a block was committed, or the run stops
    std::vector<char> Ready;            // per slot: its block is computed
    std::vector<std::exception_ptr> Errors;
    int Next = 0;        // the next block to take
    int Committed = 0;   // blocks committed
    bool Stop = false;

    void StopAll()
    {
        {
            const std::lock_guard lock(Mutex);
            Stop = true;
        }
        Freed.notify_all();
    }
};

// Ends the run on every path out of it: the workers stop taking blocks (they are joined after).
struct StopOnExit
{
    Schedule& schedule;
    ~StopOnExit() { schedule.StopAll(); }
};

void Work(Schedule& schedule, int blocks, int slots, int worker, const Compute& compute)
{
    for (;;) {
        int block = 0;
        {
            std::unique_lock lock(schedule.Mutex);
            schedule.Freed.wait(lock, [&] {
                return schedule.Stop || schedule.Next >= blocks || schedule.Next < schedule.Committed + slots;
            });
            if (schedule.Stop || schedule.Next >= blocks)
                return;
            block = schedule.Next++;
        }
        const int slot = block % slots;
        std::exception_ptr error;
        try {
            compute(block, slot, worker);
        } catch (...) {
            error = std::current_exception();
        }
        {
            const std::lock_guard lock(schedule.Mutex);
            schedule.Errors[std::size_t(slot)] = error;
            schedule.Ready[std::size_t(slot)] = 1;
        }
        schedule.Computed.notify_all();
    }
}

}   // namespace

void Run(int blocks, int threads, const Compute& compute, const Commit& commit)
{
    if (threads <= 1 || blocks <= 1) {
        for (int block = 0; block < blocks; ++block) {
            compute(block, 0, 0);
            if (!commit(block, 0))
                return;
        }
        return;
    }
    const int slots = SlotCount(threads);
    Schedule schedule;
    schedule.Ready.assign(std::size_t(slots), 0);
    schedule.Errors.resize(std::size_t(slots));
    std::vector<std::jthread> workers;
    const StopOnExit stopOnExit{schedule};   // destroyed before the workers are joined
    for (int worker = 0; worker < threads; ++worker)
        workers.emplace_back(Work, std::ref(schedule), blocks, slots, worker, std::cref(compute));
    for (int block = 0; block < blocks; ++block) {
        const int slot = block % slots;
        std::exception_ptr error;
        {
            std::unique_lock lock(schedule.Mutex);
            schedule.Computed.wait(lock, [&] { return schedule.Ready[std::size_t(slot)] != 0; });
            error = schedule.Errors[std::size_t(slot)];
        }
        if (error)
            std::rethrow_exception(error);
        const bool goOn = commit(block, slot);
        {
            const std::lock_guard lock(schedule.Mutex);
            schedule.Ready[std::size_t(slot)] = 0;
            ++schedule.Committed;
        }
        schedule.Freed.notify_all();
        if (!goOn)
            return;
    }
}

int Threads()
{
    return threadCount;
}

void SetThreads(int threads)
{
    threadCount = std::max(threads, 1);
}

}   // namespace ordered_blocks
