#pragma once

#include "data/Catalogue.h"

#include <QDialog>

#include <optional>

class DataManager;

// The choice of the indices to calculate among those found computable, with the preset groups.
class TPossibleIdxsSelForm : public QDialog
{
    Q_OBJECT

public:
    TPossibleIdxsSelForm(const KindFlags& possible, const KindFlags& preselected, const DataManager& kinds,
                         QWidget* parent = nullptr);

    KindFlags Selected() const;

    // Shows the choice; nothing when the user cancels.
    static std::optional<KindFlags> Choose(const KindFlags& possible, const KindFlags& preselected,
                                           const DataManager& kinds, QWidget* parent);
};
