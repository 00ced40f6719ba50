#pragma once

#include <QDialog>

class DataManager;
class TableSet;
class UserInterface;

// "Opcje danych": the name, description, default, range and dual option of each data kind.
class TDataOptionsForm : public QDialog
{
    Q_OBJECT

public:
    TDataOptionsForm(DataManager& kinds, QWidget* parent = nullptr);

    // Shows the dialog; on closing, the open tables follow the changed names and ranges.
    static void Show(DataManager& kinds, TableSet& tables, UserInterface& ui, QWidget* parent);
};
