#include "app/OptionsForm.h"

TOptionsForm::TOptionsForm(const TOptionsRecord&, const bool*, QWidget* parent) : QDialog(parent) {}

bool TOptionsForm::Edit(TOptionsRecord& record, bool* decimalSepPoint, QWidget* parent)
{
    TOptionsForm form(record, decimalSepPoint, parent);
    return form.exec() == QDialog::Accepted;
}
