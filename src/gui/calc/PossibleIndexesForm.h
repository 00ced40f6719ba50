#pragma once

#include <QDialog>

class DataManager;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class TableSet;
class UserInterface;

// "Co możesz obliczyć": the user moves the data he has into one list and asks which indices they
// allow. Starts with the kinds bound to columns of the open tables as the data he has.
class TPossibleIndexesForm : public QDialog
{
    Q_OBJECT

public:
    TPossibleIndexesForm(DataManager& kinds, const TableSet& tables, UserInterface& ui, QWidget* parent = nullptr);

    static void Show(DataManager& kinds, const TableSet& tables, UserInterface& ui, QWidget* parent);

private:
    // Moves the selected entries of `from` into `to`.
    void Move(QListWidget* from, QListWidget* to);
    // The buttons follow the lists: nothing to ask about without data at hand, nothing to move out
    // of an empty list.
    void UpdateButtons();
    // Which indices the data at hand allow: message 18 when none, else the list of them.
    void ShowPossible();

    DataManager& m_kinds;
    UserInterface& m_ui;
    QListWidget* m_lbDontHave;
    QListWidget* m_lbHave;
    QToolButton* m_btnToRight;
    QToolButton* m_btnToLeft;
    QPushButton* m_btnOK;
    QPushButton* m_btnCancel;
};
