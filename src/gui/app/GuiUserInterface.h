#pragma once

#include "core/base/UserInterface.h"
#include "core/settings/Options.h"

#include <functional>

class QWidget;
class TableSet;
class TTable;
class DataManager;

// The desktop side of the user seam: message boxes and the program's modal dialogs, owned by the
// main window.
class GuiUserInterface : public UserInterface
{
public:
    GuiUserInterface(QWidget* window, TableSet& tables);

    // The data kinds, once the main window has made them (the index selection shows descriptions).
    void SetKinds(const DataManager* kinds) { m_kinds = kinds; }
    // The program's read/write options, of which the load options dialog edits a copy.
    void SetProgramOptions(const TOptionsRecord* options) { m_options = options; }
    // Which table the user works on, proposed as the calculation's source.
    void SetActiveTable(std::function<const TTable*()> active) { m_activeTable = std::move(active); }

    void ShowMessage(const QString& text, Icon icon) override;
    void ShowReport(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    std::optional<LoadOptions> ChooseLoadOptions(const LoadOptionsRequest& request) override;
    std::optional<CalcChoices> ChooseCalculation(const CalcSettings& settings) override;
    std::optional<KindFlags> ChooseIndices(const KindFlags& possible, const KindFlags& preselected) override;

private:
    QWidget* m_window;
    TableSet& m_tables;
    const DataManager* m_kinds = nullptr;
    const TOptionsRecord* m_options = nullptr;
    std::function<const TTable*()> m_activeTable;
};
