#include "core/data/EvaluationState.h"

#include "core/data/AbstractData.h"
#include "core/data/DataManager.h"

#include <bit>
#include <utility>

namespace {

bool SameBits(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

}   // namespace

EvaluationState::EvaluationState(const DataManager& kinds) : m_kinds(kinds)
{
    for (int id = 0; id < kind::Count; ++id)
        m_kindOf[std::size_t(id)] = kinds.GetById(id);
    m_defaulted.reserve(kind::Count);
}

float EvaluationState::Obtain(int id)
{
    // What GetValue returns without computing, taken here without calling it.
    const KindState& state = State(id);
    if (!state.Ready)
        return state.Value;
    if (state.Value != NoValue) {
        if (!state.FromSource)
            return state.Value;
        const SourceOrFormula option = m_kindOf[std::size_t(id)]->DualOption;
        if (option != SourceOrFormula::Formula && option != SourceOrFormula::FormulaElseSource)
            return state.Value;
    }
    return m_kindOf[std::size_t(id)]->GetValue(*this);
}

float EvaluationState::Read(int id, bool stored)
{
    if (m_traceReads && !stored)
        return TracedInput(id);
    Frame* frame = m_frame;
    if (!frame)
        return stored ? State(id).Value : Obtain(id);
    Recall& recall = *frame->Memory;
    if (frame->Next < frame->Replayed)
        return recall.Readings[std::size_t(frame->Next++)].Value;
    const float value = stored ? State(id).Value : Obtain(id);
    if (frame->Next < MaxReadings)
        recall.Readings[std::size_t(frame->Next)] = {std::uint8_t(id), stored, value};
    else
        frame->Overflow = true;
    ++frame->Next;
    return value;
}

float EvaluationState::Compute(const TAbstractData& kind)
{
    Frame frame;
    struct Scope   // the outer formula is the innermost again on every path out
    {
        Frame*& Current;
        Frame* Outer;
        ~Scope() { Current = Outer; }
    } scope{m_frame, m_frame};
    if (!kind.FormulaOnlyReads() || m_traceReads) {
        m_frame = nullptr;   // its reads are not an outer formula's
        return kind.Compute(*this);
    }
    m_frame = &frame;
    Recall& recall = m_recalls[std::size_t(kind.Id)];
    frame.Memory = &recall;
    if (recall.Known) {
        // Make the reads of the last run while each gives what it gave then; from the first one
        // that differs the formula runs, its reads up to that one served from the replay.
        recall.Known = false;
        for (int i = 0; i < recall.Count && frame.Replayed == 0; ++i) {
            Reading& reading = recall.Readings[std::size_t(i)];
            const float value = reading.Stored ? State(reading.Id).Value : Obtain(reading.Id);
            if (!SameBits(value, reading.Value)) {
                reading.Value = value;
                frame.Replayed = i + 1;
            }
        }
        if (frame.Replayed == 0) {
            recall.Known = true;
            return recall.Result;
        }
    }
    const float result = kind.Compute(*this);
    recall.Count = frame.Next;
    recall.Result = result;
    recall.Known = !frame.Overflow;
    return result;
}

float EvaluationState::TracedInput(int id)
{
    m_traceReads(m_asking, id);
    struct Asking
    {
        int& current;
        const int outer;
        ~Asking() { current = outer; }
    } asking{m_asking, std::exchange(m_asking, id)};
    return m_kindOf[std::size_t(id)]->GetValue(*this);
}

void EvaluationState::SetFromSource(int id, float value)
{
    KindState& state = State(id);
    state.Value = value;
    state.FromSource = true;
}

void EvaluationState::ResetAll()
{
    static constexpr std::array<KindState, kind::Count> Reset = [] {
        std::array<KindState, kind::Count> states{};
        for (KindState& state : states)
            state = KindState{.Value = NoValue, .Ready = true};
        return states;
    }();
    m_states = Reset;
    m_defaulted.clear();
}

void EvaluationState::ClearComputed()
{
    for (int id = kind::FirstComputed; id < kind::Count; ++id) {
        KindState& state = State(id);
        if (!state.FromSource)
            state.Value = NoValue;
    }
}

void EvaluationState::SaveValues(Snapshot& snapshot) const
{
    for (std::size_t i = 0; i < snapshot.size(); ++i)
        snapshot[i] = m_states[kind::FirstComputed + i].Value;
}

void EvaluationState::RestoreValues(const Snapshot& snapshot)
{
    for (std::size_t i = 0; i < snapshot.size(); ++i)
        m_states[kind::FirstComputed + i].Value = snapshot[i];
}
