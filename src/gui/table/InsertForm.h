#pragma once

#include "core/table/Editing.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;

// How many rows and columns to insert, and where: at the end of the table or before the current
// row and column. Opens with the counts of the selection and "at the cursor".
class TInsertForm : public QDialog
{
    Q_OBJECT

public:
    TInsertForm(const TableSelection& selection, QWidget* parent = nullptr);

    // The counts typed (0 when empty or not a number) and whether "at the end" was chosen.
    int Rows() const;
    int Cols() const;
    bool AtEnd() const;

private:
    QLineEdit* m_edRows;
    QLineEdit* m_edCols;
    QButtonGroup* m_rgInsertWhere;
};
