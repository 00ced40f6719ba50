#pragma once

#include "core/base/UserInterface.h"
#include "core/calc/CalcChoices.h"
#include "core/table/LoadOptions.h"

#include <QStringList>

class DataManager;

// The batch tool's side of the user seam: messages go to standard error, questions are answered
// No (nothing is ever destroyed without a person saying so), and the load options come from the
// command line.
class CliUserInterface : public UserInterface
{
public:
    // What the user typed for the load dialog's separators; empty for its defaults.
    QString dataSeparator;
    QString decimalSeparator;
    // Set when the load options were refused (equal separators).
    bool optionsRefused = false;

    // The calculation set-up the command line describes, and the indices it names (empty: every
    // computable one).
    CalcChoices calcChoices;
    QStringList indexNames;
    const DataManager* kinds = nullptr;
    // --quiet: notes (what was read, which defaults were used) are not printed; errors still are.
    bool quiet = false;

    void ShowMessage(const QString& text, Icon icon) override;
    void ShowReport(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    std::optional<LoadOptions> ChooseLoadOptions(const LoadOptionsRequest& request) override;
    std::optional<CalcChoices> ChooseCalculation(const CalcSettings& settings) override;
    std::optional<KindFlags> ChooseIndices(const KindFlags& possible, const KindFlags& preselected) override;
};
