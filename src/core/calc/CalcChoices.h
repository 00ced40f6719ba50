#pragma once

#include "core/base/Catalogue.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

class TTable;

inline constexpr int PriorityCount = 4;

// The texts the calculation dialogs offer besides the open tables.
QString NewTableText();    // "Nowa": the destination is a table made for the calculation
QString NoneText();        // "Żadna": no table, no description column
QString RowNumberText();   // "Numer wiersza": the description is the source row's number
// The message when the data at hand allow no index at all.
QString NothingComputableText();

// How the dialogs name an open table: "Tabela %2d (%s)" with its number and its file's name
// without the directory (empty for a table never saved).
QString TableEntryText(const TTable& table);
// How the settings remember a destination made by the last calculation: "Tabela %2d ()".
QString NewTableEntryText(int tableNumber);
// The table number of an entry text: the whole first number in it (so table 100 is not table 10);
// −1 when the text holds none.
int TableNumberOfEntry(QStringView entry);

// The choices of a confirmed calculation set-up, as the set-up dialog gives them: entry texts of
// tables, NoneText(), NewTableText(), RowNumberText() or a column name.
struct CalcChoices
{
    bool Simple = true;
    QStringList SimpleSources;                           // in order of use
    QString SimpleDestination;                           // NewTableText() or an entry
    std::array<QString, PriorityCount> ComplexSources;   // priority 1 (highest) first
    std::array<QString, PriorityCount> ComplexDescriptions;
    QString ComplexDestination;
};

// The choices the main window keeps between calculations of one program run.
struct CalcSettings
{
    QStringList SimpleSources;
    QString SimpleDestination;
    std::array<QString, PriorityCount> ComplexSources;
    std::array<QString, PriorityCount> ComplexDescriptions;
    QString ComplexDestination;
    KindFlags LastSelection{};
};
