#pragma once

#include <QDialog>

class DataManager;
class QComboBox;
class QLabel;
class TTable;
class UserInterface;

// The name of column c of a table: one of the data kinds' names (whose description is shown) or
// any other text. A name that is a number or another column's name is refused and the dialog
// stays open.
class TColOptionsForm : public QDialog
{
    Q_OBJECT

public:
    TColOptionsForm(const TTable& table, int c, const DataManager& kinds, UserInterface& ui, QWidget* parent = nullptr);

    // The name as typed or chosen.
    QString ColumnName() const;

    void accept() override;

private:
    void ShowDescription(const QString& name);

    const TTable& m_table;
    int m_column;
    const DataManager& m_kinds;
    UserInterface& m_ui;
    QComboBox* m_cmbColName;
    QLabel* m_lbDescr;
};
