#pragma once

// What every formula of a computed kind shares: the precision of its arithmetic, the mathematics
// library it is defined with, the wind floor, the what-if evaluation and the declaration of a kind
// that only supplies its formula.

#include "core/base/Catalogue.h"
#include "core/data/AbstractData.h"
#include "core/data/DataManager.h"
#include "core/data/EvaluationState.h"
#include "core/indices/Physics.h"

#include <array>
#include <cmath>
#include <utility>

// Intermediate arithmetic runs in extended precision. Values obtained from other kinds are float32
// and are widened on the spot (`const Real t = Input(kind::t);`, exact, NoValue included); constants
// are double unless marked single (0.6f); every result is stored as float32.
using Real = long double;

// The mathematics library in double precision.
// clang-format off
inline double Pow(Real x, Real y) { return std::pow(double(x), double(y)); }
inline double Pow10(Real x) { return std::pow(10.0, double(x)); }
inline double Exp(Real x) { return std::exp(double(x)); }
inline double Ln(Real x) { return std::log(double(x)); }
inline double Sqrt(Real x) { return std::sqrt(double(x)); }
inline double Sin(Real x) { return std::sin(double(x)); }
inline double Cos(Real x) { return std::cos(double(x)); }
inline double Asin(Real x) { return std::asin(double(x)); }
// clang-format on

// The result of a formula as float32. Anything that is not a finite float32 (a division by zero, a
// power of a negative base, an overflow) is no value: a cell never shows inf or nan.
inline float Result(Real value)
{
    const float single = float(value);
    return std::isfinite(single) ? single : NoValue;
}

// Calmer air than 0.25 m/s counts as 0.25 m/s in the formulas that say so. NoValue stays NoValue.
inline float WindFloor(float v)
{
    return v != NoValue && v < 0.25f ? 0.25f : v;
}

// Saturation vapour pressure over water [hPa] at the temperature t [°C] (Magnus form).
inline Real SaturationVapourPressure(Real t)
{
    return 6.112 * Pow10(7.5 * t / (237.7 + t));
}

// A what-if evaluation: the values of the row are saved when it begins and put back when it ends,
// on every path out of the formula. In between, the formula clears what was computed and writes
// chosen values straight into chosen kinds' values, so that everything depending on them is
// computed again from them.
class WhatIf
{
public:
    explicit WhatIf(EvaluationState& row) : m_row(row) { m_row.SaveValues(m_snapshot); }
    ~WhatIf()
    {
        for (int i = m_inputCount - 1; i >= 0; --i)
            m_row.State(m_inputs[std::size_t(i)].first).Value = m_inputs[std::size_t(i)].second;
        m_row.RestoreValues(m_snapshot);
    }
    WhatIf(const WhatIf&) = delete;
    WhatIf& operator=(const WhatIf&) = delete;

    // Every computed kind not taken from a source is missing again.
    void ClearComputed() { m_row.ClearComputed(); }

    // Writes the value into the kind's value, bypassing GetValue. An input kind (outside the
    // snapshot) gets the value it had before its first override back at the end.
    void Override(int id, float value)
    {
        KindState& state = m_row.State(id);
        if (id < kind::FirstComputed) {
            bool known = false;
            for (int i = 0; i < m_inputCount; ++i)
                known = known || m_inputs[std::size_t(i)].first == id;
            if (!known)
                m_inputs[std::size_t(m_inputCount++)] = {id, state.Value};
        }
        state.Value = value;
    }

private:
    EvaluationState& m_row;
    EvaluationState::Snapshot m_snapshot;
    std::array<std::pair<int, float>, kind::FirstComputed> m_inputs;   // each input kind once at most
    int m_inputCount = 0;
};

// Declares the class of a computed kind that supplies only its formula.
// NOLINTBEGIN(bugprone-macro-parentheses): the argument names the class, which takes no parentheses
#define SALVENTO_FORMULA_KIND(Class)                                                                                   \
    class Class : public TAbstractData                                                                                 \
    {                                                                                                                  \
    public:                                                                                                            \
        using TAbstractData::TAbstractData;                                                                            \
        float Compute(EvaluationState& row) const override;                                                            \
    }

// … of one whose formula only reads the row and is costly (trigonometric and power functions), so
// that the row recalls its result rather than run it again on the same values (the what-if
// evaluations obtain it again and again).
#define SALVENTO_RECALLED_FORMULA_KIND(Class)                                                                          \
    class Class : public TAbstractData                                                                                 \
    {                                                                                                                  \
    public:                                                                                                            \
        using TAbstractData::TAbstractData;                                                                            \
        float Compute(EvaluationState& row) const override;                                                            \
        bool FormulaOnlyReads() const override { return true; }                                                        \
    }
// NOLINTEND(bugprone-macro-parentheses)
