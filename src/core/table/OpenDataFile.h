#pragma once

#include <QString>

class DataManager;
class RecentFiles;
class TableSet;
class TTable;
class UserInterface;

// Opens a data file the way the Open command does: checks that it exists and holds data, detects
// its data separator, asks for the load options (the user interface must return options whose
// separators differ), loads it into a new table or into `current`, and puts the path first in the
// recent files, whether the file was loaded or the options cancelled. A mode other than a new table
// chosen while no table is current opens a new table. Returns the table that received the data, or
// none.
TTable* OpenDataFile(const QString& path, TableSet& tables, TTable* current, const DataManager& kinds,
                     UserInterface& ui, RecentFiles& recent);
