#pragma once

#include "core/base/Catalogue.h"
#include "core/base/CellData.h"

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class DataManager;
class TAbstractData;

// What one kind holds while a row is evaluated.
struct KindState
{
    float Value = NoValue;      // the kind's value in the row, once known
    bool FromSource = false;    // Value came from a source table
    bool FromDefault = false;   // Value is the kind's default: neither a source nor its formula gave one
                                // (set through EvaluationState::MarkDefault)
    bool Ready = false;         // the row is set up: GetValue may compute
};

// The values of every kind during the evaluation of one row: what the sources gave and what was
// computed so far. The kinds themselves (configuration and formulas) are only read, so each thread
// evaluating rows owns its own EvaluationState over the same DataManager.
class EvaluationState
{
public:
    // The values of kinds 23…107, as SaveValues keeps them.
    using Snapshot = std::array<float, kind::Count - kind::FirstComputed>;

    explicit EvaluationState(const DataManager& kinds);

    const DataManager& Kinds() const { return m_kinds; }
    KindState& State(int id) { return m_states[std::size_t(id)]; }
    const KindState& State(int id) const { return m_states[std::size_t(id)]; }

    // The value of kind `id` in the row, computed when needed (its GetValue).
    float Input(int id) { return Read(id, false); }
    // The value of kind `id` as it stands, computing nothing.
    float Stored(int id) { return Read(id, true); }
    // The value of kind `id` as a source table gives it (NoValue for an empty cell).
    void SetFromSource(int id, float value);

    // The result of the formula of `kind` in the row (what its GetValue computes). A formula that only
    // reads the row is not run again while it would read, in the same order, the same values (to the
    // bit) as the last time it ran: it would make the same reads with the same effects and give the
    // same result. Each read is still made, so the kinds it obtains are computed as before.
    float Compute(const TAbstractData& kind);

    // Whether kind `id` is judged by the computability trial (an implicit index gives its residual).
    bool Trial(int id) const { return m_trial[std::size_t(id)]; }
    void SetTrial(int id, bool trial) { m_trial[std::size_t(id)] = trial; }

    // Kind `id` takes its default value in the row.
    void MarkDefault(int id)
    {
        KindState& state = State(id);
        if (!state.FromDefault)
            m_defaulted.push_back(std::uint8_t(id));
        state.FromDefault = true;
    }
    // The kinds that took their default in the row, in the order they first did.
    const std::vector<std::uint8_t>& Defaulted() const { return m_defaulted; }

    // Before each row: every value missing, every kind ready, nothing from a source or a default.
    void ResetAll();
    // For what-if evaluations: every computed kind not taken from a source is missing again.
    void ClearComputed();
    // The values of kinds 23…107 into `snapshot`, and back into the row.
    void SaveValues(Snapshot& snapshot) const;
    void RestoreValues(const Snapshot& snapshot);

    // Tells `reads` of every value asked for through Input: the kind whose formula asks (-1 when no
    // formula does) and the kind asked for, also when its value is already known. The help lists
    // the inputs of each formula this way; an empty function tells nothing. While reads are traced,
    // every formula runs afresh (none is recalled).
    void TraceReads(std::function<void(int asking, int asked)> reads) { m_traceReads = std::move(reads); }

private:
    // A formula reads this many values at most to be recalled.
    static constexpr int MaxReadings = 12;

    // One value a formula read: obtained (Input) or as it stood (Stored).
    struct Reading
    {
        std::uint8_t Id = 0;
        bool Stored = false;
        float Value = NoValue;
    };
    // What the formula of a kind read the last time it ran, and what it gave.
    struct Recall
    {
        std::array<Reading, MaxReadings> Readings{};
        int Count = 0;
        bool Known = false;   // Readings and Result describe a complete run
        float Result = NoValue;
    };
    // The recalled formula being run: its recall, how many values it has read and how many of its
    // first reads the replay of its recall made already.
    struct Frame
    {
        Recall* Memory = nullptr;
        int Next = 0;
        int Replayed = 0;
        bool Overflow = false;
    };

    float Read(int id, bool stored);
    float Obtain(int id);
    float TracedInput(int id);

    const DataManager& m_kinds;
    std::array<const TAbstractData*, kind::Count> m_kindOf{};
    std::array<KindState, kind::Count> m_states{};
    std::vector<std::uint8_t> m_defaulted;
    std::array<bool, kind::Count> m_trial{};
    std::array<Recall, kind::Count> m_recalls{};
    Frame* m_frame = nullptr;   // the recalled formula running, none while another one runs inside it
    std::function<void(int, int)> m_traceReads;
    int m_asking = -1;
};
