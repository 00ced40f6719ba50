#pragma once

#include "core/settings/Options.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

// The read/write options: the decimal separator (global form only), the cloud-cover scale and the
// date and hour representation.
class TOptionsForm : public QDialog
{
    Q_OBJECT

public:
    // `decimalSepPoint` is the separator choice of the global form; null for the per-file form,
    // whose separator choice is shown disabled.
    TOptionsForm(const TOptionsRecord& record, const bool* decimalSepPoint, QWidget* parent = nullptr);

    // The record as typed, the scale's ends in ascending order. Valid once the dialog was accepted.
    TOptionsRecord Record() const;
    // The separator choice: true for the point always, false for the system's separator.
    bool DecimalSepPoint() const;

    // Edits the record (and, in the global form, the separator choice); true when confirmed.
    // Nothing changes when the dialog is cancelled.
    static bool Edit(TOptionsRecord& record, bool* decimalSepPoint, QWidget* parent);

    // Refuses a scale end that is not a whole number of at least 0, and stays open.
    void accept() override;

private:
    QRadioButton* m_rbPointDecSep;
    QRadioButton* m_rbWinDecSep;
    QLineEdit* m_edNebulFrom;
    QLineEdit* m_edNebulTo;
    QLineEdit* m_edDateName;
    QLineEdit* m_edDateFormat;
    QLineEdit* m_edHourName;
    QLineEdit* m_edHourFormat;
};
