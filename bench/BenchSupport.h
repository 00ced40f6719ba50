#pragma once

#include "core/base/UserInterface.h"
#include "core/calc/CalcChoices.h"
#include "core/calc/CalcManager.h"
#include "core/data/DataManager.h"
#include "core/table/LoadOptions.h"
#include "core/table/TableSet.h"

#include <QString>

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
