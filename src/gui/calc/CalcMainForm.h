#pragma once

#include "calc/CalcChoices.h"

#include <QDialog>

#include <optional>

class TableSet;
class UserInterface;

// The set-up of a calculation: source tables (simple way: a list; complex way: four priorities
// with their description columns) and the destination, starting from the last settings.
class TCalcMainForm : public QDialog
{
    Q_OBJECT

public:
    TCalcMainForm(const CalcSettings& settings, const TableSet& tables, UserInterface& ui, QWidget* parent = nullptr);

    CalcChoices Choices() const;

    // Shows the set-up; nothing when the user cancels.
    static std::optional<CalcChoices> Choose(const CalcSettings& settings, const TableSet& tables, UserInterface& ui,
                                             QWidget* parent);
};
