#include "KindReads.h"

#include "core/base/Catalogue.h"
#include "core/data/DataManager.h"
#include "core/data/EvaluationState.h"

#include <algorithm>

namespace {

// Evaluates kind `id` on the typical inputs, kind `missing` (when not -1) giving no value, and adds
// what its formula asks for to `reads`.
void Trace(const DataManager& kinds, int id, int missing, std::vector<int>& reads)
{
    EvaluationState row(kinds);
    row.ResetAll();
    for (int input = 0; input < kind::FirstComputed; ++input)
        if (const float typical = kinds.GetById(input)->TypicalValue; typical != NoValue)
            row.SetFromSource(input, typical);
    if (missing >= 0) {
        row.State(missing).Value = NoValue;
        row.State(missing).Ready = false;
    }
    row.TraceReads([&](int asking, int asked) {
        if (asking == id && std::find(reads.begin(), reads.end(), asked) == reads.end())
            reads.push_back(asked);
    });
    try {
        row.Input(id);
    } catch (...) {
        // A formula that fails (a missing file) has told what it read up to there.
    }
}

}   // namespace

std::vector<int> KindReads(const DataManager& kinds, int id)
{
    std::vector<int> reads;
    Trace(kinds, id, -1, reads);
    const std::vector<int> typical = reads;
    for (const int missing : typical)
        Trace(kinds, id, missing, reads);
    return reads;
}
