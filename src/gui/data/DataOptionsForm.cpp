#include "data/DataOptionsForm.h"

TDataOptionsForm::TDataOptionsForm(DataManager&, QWidget* parent) : QDialog(parent) {}

void TDataOptionsForm::Show(DataManager& kinds, TableSet&, UserInterface&, QWidget* parent)
{
    TDataOptionsForm form(kinds, parent);
    form.exec();
}
