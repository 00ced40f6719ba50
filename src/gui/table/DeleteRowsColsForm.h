#pragma once

#include "core/table/Editing.h"

#include <QDialog>

class QLineEdit;

// How many rows and columns to delete, from the current row and column on. Opens with the counts
// of the selection.
class TDeleteRowsColsForm : public QDialog
{
    Q_OBJECT

public:
    TDeleteRowsColsForm(const TableSelection& selection, QWidget* parent = nullptr);

    // The counts typed; 0 when empty or not a number.
    int Rows() const;
    int Cols() const;

private:
    QLineEdit* m_edRows;
    QLineEdit* m_edCols;
};
