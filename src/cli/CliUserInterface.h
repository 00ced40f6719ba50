#pragma once

#include "UserInterface.h"

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

    void ShowMessage(const QString& text, Icon icon) override;
    bool AskYesNo(const QString& text) override;
    std::optional<LoadOptions> ChooseLoadOptions(const LoadOptionsRequest& request) override;
};
