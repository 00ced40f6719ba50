#include "core/data/EvaluationState.h"

#include "core/data/DataManager.h"

#include <utility>

namespace {

constexpr std::size_t SnapshotSize = kind::Count - kind::FirstComputed;

}   // namespace

EvaluationState::EvaluationState(const DataManager& kinds) : m_kinds(kinds)
{ }

float EvaluationState::Input(int id)
{
    if (!m_traceReads)
        return m_kinds.GetById(id)->GetValue(*this);
    m_traceReads(m_asking, id);
    struct Asking
    {
        int& current;
        const int outer;
        ~Asking() { current = outer; }
    } asking{m_asking, std::exchange(m_asking, id)};
    return m_kinds.GetById(id)->GetValue(*this);
}

void EvaluationState::SetFromSource(int id, float value)
{
    KindState& state = State(id);
    state.Value = value;
    state.FromSource = true;
}

void EvaluationState::ResetAll()
{
    for (KindState& state : m_states) {
        state.Value = NoValue;
        state.Ready = true;
        state.FromSource = false;
        state.FromDefault = false;
    }
}

void EvaluationState::ClearComputed()
{
    for (int id = kind::FirstComputed; id < kind::Count; ++id) {
        KindState& state = State(id);
        if (!state.FromSource)
            state.Value = NoValue;
    }
}

void EvaluationState::SaveValues(std::vector<float>& buffer) const
{
    buffer.resize(SnapshotSize);
    for (std::size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = m_states[kind::FirstComputed + i].Value;
}

void EvaluationState::RestoreValues(std::vector<float>& buffer)
{
    if (buffer.size() != SnapshotSize)
        return;
    for (std::size_t i = 0; i < buffer.size(); ++i)
        m_states[kind::FirstComputed + i].Value = buffer[i];
    buffer.clear();
}
