#include "python/RowCompute.h"

#include "core/data/DataManager.h"
#include "core/data/EvaluationState.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <limits>
#include <mutex>
#include <numeric>
#include <thread>

namespace {

// The rows one thread takes at a time, so that a failure elsewhere stops it soon.
constexpr std::size_t BlockRows = 4096;

float SourceValue(float value)
{
    return std::isfinite(value) ? value : NoValue;
}

float ResultValue(float value)
{
    return value == NoValue || !std::isfinite(value) ? std::numeric_limits<float>::quiet_NaN() : value;
}

}   // namespace

bool ComputeRows(const DataManager& kinds, const std::vector<InputColumn>& inputs, const std::vector<int>& indices,
                 std::size_t rows, int threads, const std::vector<float*>& outputs, const std::function<bool()>& stop)
{
    // The indices are computed in identifier order, as the calculation command computes them.
    std::vector<std::size_t> order(indices.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return indices[a] < indices[b]; });

    std::atomic<std::size_t> nextBlock{0};
    std::atomic<bool> failed{false};
    std::atomic<bool> stopped{false};
    std::exception_ptr error;
    std::mutex errorGuard;
    const auto work = [&](bool asksStop) {
        EvaluationState row(kinds);
        try {
            for (std::size_t first = nextBlock.fetch_add(BlockRows); first < rows && !failed && !stopped;
                 first = nextBlock.fetch_add(BlockRows)) {
                const std::size_t end = std::min(first + BlockRows, rows);
                for (std::size_t r = first; r < end; ++r) {
                    row.ResetAll();
                    for (const InputColumn& input : inputs)
                        row.SetFromSource(input.Id, SourceValue(input.Values ? input.Values[r] : input.Scalar));
                    for (const std::size_t i : order)
                        outputs[i][r] = ResultValue(row.Input(indices[i]));
                }
                if (asksStop && stop && stop())
                    stopped = true;
            }
        } catch (...) {   // a FileError, or memory running out: never out of a thread
            const std::scoped_lock lock(errorGuard);
            if (!error)
                error = std::current_exception();
            failed = true;
        }
    };
    const std::size_t blocks = (rows + BlockRows - 1) / BlockRows;
    const int count = int(std::clamp<std::size_t>(blocks, 1, std::size_t(std::max(threads, 1))));
    {
        std::vector<std::jthread> helpers;
        for (int t = 1; t < count; ++t)
            helpers.emplace_back(work, false);
        work(true);
    }
    if (error)
        std::rethrow_exception(error);
    return !stopped;
}
