#pragma once

#include "support/TestSupport.h"

#include "core/data/DataManager.h"
#include "core/data/EvaluationState.h"
#include "core/indices/KindFactory.h"

// One row of the data kinds, for testing formulas. A scratch directory holds the configuration
// (SALVENTO.INI) and whatever else ships beside the program (WSI.INI); values are set as if a source
// table gave them, and kinds are read through GetValue, as the calculation engine does.
class KindRow
{
public:
    explicit KindRow(const QByteArray& ini = QByteArray())
        : home(ini), kinds(CreateKind, home.IniPath(), QStringLiteral("PL"), home.Path(QString())), state(kinds)
    {
        state.ResetAll();
    }

    // A new row: every value missing, nothing from a source.
    void Reset() { state.ResetAll(); }
    // The value as a source table column gives it (NoValue for an empty cell).
    void Set(int id, float value) { state.SetFromSource(id, value); }
    // The value of the kind for the row, computed when needed.
    float Get(int id) { return state.Input(id); }
    // The value of the kind as the row holds it, computing nothing.
    float& Value(int id) { return state.State(id).Value; }
    TAbstractData& Kind(int id) { return *kinds.GetById(id); }

    TempHome home;
    DataManager kinds;
    EvaluationState state;
};
