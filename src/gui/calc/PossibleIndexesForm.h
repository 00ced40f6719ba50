#pragma once

#include <QDialog>

class DataManager;
class TableSet;
class UserInterface;

// "Co możesz obliczyć": the user moves the data he has into one list and asks which indices they
// allow.
class TPossibleIndexesForm : public QDialog
{
    Q_OBJECT

public:
    TPossibleIndexesForm(DataManager& kinds, const TableSet& tables, UserInterface& ui, QWidget* parent = nullptr);

    static void Show(DataManager& kinds, const TableSet& tables, UserInterface& ui, QWidget* parent);
};
