#pragma once

#include "core/stats/StatColumn.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;

// "Obliczenia statystyczne - opcje": for each column of the selection, the rows and the way the
// frequency intervals are formed. The settings of a column are stored into its record when another
// column is chosen and on OK, only when every field is valid; an invalid field keeps the dialog (and
// the column) where it is.
class TStatisticsOptionsForm : public QDialog
{
    Q_OBJECT

public:
    // `records`: the columns, edited in place (not owned); `largestRow`: the table's last data row.
    TStatisticsOptionsForm(std::vector<TStatColumnRec>& records, int largestRow, QWidget* parent = nullptr);

    // Lets the user set the columns' options; true when the report is to be computed.
    static bool Edit(std::vector<TStatColumnRec>& records, int largestRow, QWidget* parent);

    void accept() override;

private:
    void LoadRecord(int index);
    // Stores the fields into the current record; false (after showing why) when a field is invalid.
    bool StoreRecord();
    void ColumnChosen(int index);
    // The edit field of a mode, or none.
    QLineEdit* FieldOf(int mode) const;
    // Only the field of the checked mode can be edited.
    void EnableFields(int mode);
    void ModeClicked(int mode);

    std::vector<TStatColumnRec>& m_records;
    int m_largestRow;
    int m_current = 0;
    QComboBox* m_cmbCol;
    QLabel* m_lbDescr;
    QButtonGroup* m_modes;
    QLineEdit* m_edUserFreqs;
    QLineEdit* m_edHistWidth;
    QLineEdit* m_edHistCount;
    QLineEdit* m_edFrom;
    QLineEdit* m_edTo;
};
