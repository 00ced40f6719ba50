#pragma once

#include "core/base/Catalogue.h"
#include "core/base/CellData.h"

#include <array>
#include <functional>
#include <vector>

class DataManager;

// What one kind holds while a row is evaluated.
struct KindState
{
    float Value = NoValue;      // the kind's value in the row, once known
    bool FromSource = false;    // Value came from a source table
    bool FromDefault = false;   // Value is the kind's default: neither a source nor its formula gave one
    bool Ready = false;         // the row is set up: GetValue may compute
    bool Trial = false;         // judged by the computability trial (an implicit index gives its residual)
};

// The values of every kind during the evaluation of one row: what the sources gave and what was
// computed so far. The kinds themselves (configuration and formulas) are only read, so each thread
// evaluating rows owns its own EvaluationState over the same DataManager.
class EvaluationState
{
public:
    explicit EvaluationState(const DataManager& kinds);

    const DataManager& Kinds() const { return m_kinds; }
    KindState& State(int id) { return m_states[std::size_t(id)]; }
    const KindState& State(int id) const { return m_states[std::size_t(id)]; }

    // The value of kind `id` in the row, computed when needed (its GetValue).
    float Input(int id);
    // The value of kind `id` as it stands, computing nothing.
    float Stored(int id) const { return State(id).Value; }
    // The value of kind `id` as a source table gives it (NoValue for an empty cell).
    void SetFromSource(int id, float value);

    // Before each row: every value missing, every kind ready, nothing from a source.
    void ResetAll();
    // For what-if evaluations: every computed kind not taken from a source is missing again.
    void ClearComputed();
    // Snapshot of the values of kinds 23…107, replacing `buffer`; RestoreValues puts them back and
    // empties the buffer (nothing happens for an empty buffer).
    void SaveValues(std::vector<float>& buffer) const;
    void RestoreValues(std::vector<float>& buffer);

    // Tells `reads` of every value asked for through Input: the kind whose formula asks (-1 when no
    // formula does) and the kind asked for, also when its value is already known. The help lists
    // the inputs of each formula this way; an empty function tells nothing.
    void TraceReads(std::function<void(int asking, int asked)> reads) { m_traceReads = std::move(reads); }

private:
    const DataManager& m_kinds;
    std::array<KindState, kind::Count> m_states{};
    std::function<void(int, int)> m_traceReads;
    int m_asking = -1;
};
