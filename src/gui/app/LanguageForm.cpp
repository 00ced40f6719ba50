#include "app/LanguageForm.h"

TLanguageForm::TLanguageForm(int, QWidget* parent) : QDialog(parent) {}

int TLanguageForm::Ask(int focusLanguage, QWidget* parent)
{
    TLanguageForm form(focusLanguage, parent);
    form.exec();
    return 0;
}
