#pragma once

#include "core/stats/StatColumn.h"

#include <QDialog>

#include <vector>

class QPlainTextEdit;
class UserInterface;

// "Obliczenia statystyczne - wynik": the statistics report of the columns in a fixed-pitch text
// that the user may edit and save as a text file.
class TStatisticsForm : public QDialog
{
    Q_OBJECT

public:
    // Computes the report of `records`, one column after another; `ui` reports a failed save.
    TStatisticsForm(const std::vector<TStatColumnRec>& records, UserInterface& ui, QWidget* parent = nullptr);

    static void Show(const std::vector<TStatColumnRec>& records, UserInterface& ui, QWidget* parent);

private:
    // Asks for a file and writes the report as it now stands; cancelling writes nothing.
    void Save();

    UserInterface& m_ui;
    QPlainTextEdit* m_memText;
};
