#include "calc/PossibleIdxsSelForm.h"

TPossibleIdxsSelForm::TPossibleIdxsSelForm(const KindFlags&, const KindFlags&, const DataManager&, QWidget* parent)
    : QDialog(parent)
{
}

KindFlags TPossibleIdxsSelForm::Selected() const
{
    return KindFlags{};
}

std::optional<KindFlags> TPossibleIdxsSelForm::Choose(const KindFlags& possible, const KindFlags& preselected,
                                                      const DataManager& kinds, QWidget* parent)
{
    TPossibleIdxsSelForm form(possible, preselected, kinds, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.Selected();
}
