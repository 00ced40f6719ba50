#pragma once

#include "core/base/UserInterface.h"
#include "core/calc/CalcChoices.h"
#include "core/calc/CalcManager.h"
#include "core/data/DataManager.h"
#include "core/table/LoadOptions.h"
#include "core/table/TableSet.h"

#include <QString>

#include <functional>
#include <optional>

namespace benchmark {
class State;
}

// A user who confirms everything: the calculation set-up given, the indices given (or every possible
// one), no questions.
class BenchUi : public UserInterface
{
public:
    CalcChoices choices;
    std::optional<KindFlags> indices;

    void ShowMessage(const QString& text, Icon) override;
    bool AskYesNo(const QString&) override { return false; }
    std::optional<LoadOptions> ChooseLoadOptions(const LoadOptionsRequest& request) override
    {
        return LoadOptions::Defaults(request);
    }
    std::optional<CalcChoices> ChooseCalculation(const CalcSettings&) override { return choices; }
    std::optional<KindFlags> ChooseIndices(const KindFlags& possible, const KindFlags&) override
    {
        return indices ? *indices : possible;
    }
};

// What ships beside the program, as the build places it.
QString ShippedFile(const char* name);

// The kinds with the shipped configuration.
DataManager& ShippedKinds();

// Peak resident memory [MB] since the last reset, and the reset (Linux).
double PeakMemoryMB();
void ResetPeakMemory();

// Calculates the chosen indices (every possible one when none are named) from `source` into a
// new table, once per benchmark iteration, by `run` (the engine on this thread when none).
void Calculate(benchmark::State& state, TableSet& tables, TTable& source, const std::optional<KindFlags>& indices,
               const std::function<void(CalcManager&)>& run = {});
