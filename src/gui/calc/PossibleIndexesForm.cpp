#include "calc/PossibleIndexesForm.h"

TPossibleIndexesForm::TPossibleIndexesForm(DataManager&, const TableSet&, UserInterface&, QWidget* parent)
    : QDialog(parent)
{
}

void TPossibleIndexesForm::Show(DataManager& kinds, const TableSet& tables, UserInterface& ui, QWidget* parent)
{
    TPossibleIndexesForm form(kinds, tables, ui, parent);
    form.exec();
}
