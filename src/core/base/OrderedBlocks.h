#pragma once

#include <functional>

// Work cut into numbered blocks, evaluated on several threads and taken over in the blocks' order.
//
// `compute(block, slot, worker)` evaluates a block into the buffer `slot` (0 … SlotCount − 1) on
// the thread `worker` (0 … threads − 1); `commit(block, slot)` takes the block over on the calling
// thread once it and every block before it are computed, and returns whether to go on. At most
// SlotCount blocks are computed ahead of the last one committed, so a buffer is reused only after
// its block was committed. When commit says stop, the blocks under way are finished and dropped.
// An exception thrown by compute reaches the caller when its block's turn to be committed comes;
// the blocks before it are committed. With one thread (or one block) everything runs on the
// calling thread as worker 0.
namespace ordered_blocks {

using Compute = std::function<void(int block, int slot, int worker)>;
using Commit = std::function<bool(int block, int slot)>;

constexpr int SlotCount(int threads)
{
    return threads <= 1 ? 1 : 4 * threads;
}

void Run(int blocks, int threads, const Compute& compute, const Commit& commit);

// What one of several threads writes (a worker's state, a slot's buffer), on cache lines of its
// own: two threads writing the same line would take it from each other at every write.
template <class T> struct alignas(64) PerThread
{
    T value;
};

// The threads that work cut into blocks uses unless told otherwise (reading and writing tables,
// calculating rows): every core, or what SetThreads chose (at least 1).
int Threads();
void SetThreads(int threads);

}   // namespace ordered_blocks
