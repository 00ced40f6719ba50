#pragma once

#include "settings/Options.h"

#include <QDialog>

// The read/write options: the decimal separator (global form only), the cloud-cover scale and the
// date and hour representation.
class TOptionsForm : public QDialog
{
    Q_OBJECT

public:
    // `decimalSepPoint` is the separator choice of the global form; null for the per-file form.
    TOptionsForm(const TOptionsRecord& record, const bool* decimalSepPoint, QWidget* parent = nullptr);

    // Edits the record (and, in the global form, the separator choice); true when confirmed.
    static bool Edit(TOptionsRecord& record, bool* decimalSepPoint, QWidget* parent);
};
