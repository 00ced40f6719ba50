#pragma once

#include "core/base/Catalogue.h"

#include <QString>

#include <optional>

struct CalcChoices;
struct CalcSettings;
struct LoadOptions;
struct LoadOptionsRequest;

// Where the core needs the user: a message, a Yes/No question, a modal choice. The desktop
// application shows dialogs, the batch tool prints and answers from its arguments, tests script it.
class UserInterface
{
public:
    enum class Icon
    {
        None,
        Error,
        Warning,
        Information,
        Question
    };

    virtual ~UserInterface() = default;

    // A message with an OK button.
    virtual void ShowMessage(const QString& text, Icon icon) = 0;
    // A report that needs no answer (what a file held): by default a message; the desktop puts it in
    // the status bar.
    virtual void ShowReport(const QString& text) { ShowMessage(text, Icon::Information); }
    // A question with Yes and No buttons; true only for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    // The load options of a data file about to be opened; nothing when the user cancels.
    virtual std::optional<LoadOptions> ChooseLoadOptions(const LoadOptionsRequest& request) = 0;
    // The set-up of a calculation (sources and destination), starting from the last settings;
    // nothing when the user cancels.
    virtual std::optional<CalcChoices> ChooseCalculation(const CalcSettings& settings) = 0;
    // The indices to calculate among the `possible` ones, starting from `preselected`; nothing when
    // the user cancels.
    virtual std::optional<KindFlags> ChooseIndices(const KindFlags& possible, const KindFlags& preselected) = 0;
};

// What the user is told when a command ran out of memory (the program itself goes on).
QString OutOfMemoryMessage();
