#include "calc/CalcMainForm.h"

TCalcMainForm::TCalcMainForm(const CalcSettings&, const TableSet&, UserInterface&, QWidget* parent) : QDialog(parent) {}

CalcChoices TCalcMainForm::Choices() const
{
    return CalcChoices();
}

std::optional<CalcChoices> TCalcMainForm::Choose(const CalcSettings& settings, const TableSet& tables, UserInterface& ui,
                                                 QWidget* parent)
{
    TCalcMainForm form(settings, tables, ui, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.Choices();
}
