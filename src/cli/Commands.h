#pragma once

#include <QStringList>

class CliUserInterface;
class DataManager;
class QCommandLineParser;
class TableSet;
class TTable;

// Exit statuses of the batch tool.
enum ExitStatus
{
    ExitOk = 0,
    ExitFileError = 1,
    ExitUsage = 2
};

// What every command works with: the parsed command line (its positional arguments after the
// command's name), the data kinds and the user seam.
struct CommandContext
{
    const QCommandLineParser& parser;
    QStringList arguments;
    DataManager& kinds;
    CliUserInterface& ui;
};

// Prints a usage error and returns ExitUsage.
int Usage(const QString& message);

// Opens an input file as the Open command does (the load dialog's defaults, or the separators the
// command line gives) into a new table of `tables`, "-" reading standard input; none when it could not be opened, and
// then OpenFailed gives the exit status.
TTable* OpenInput(CommandContext& context, TableSet& tables, const QString& path);
int OpenFailed(const CommandContext& context);

// The name that stands for standard input (an input file) or standard output (an output file).
inline const QString StandardStream = QStringLiteral("-");

// Writes the table as a data file to `output`, or to standard output for "-" or an empty name, with
// the data and decimal separators of --out-sep and --out-dec where they are given (otherwise the
// table's separator, tab for a new table, and the program's decimal separator). The exit status.
int WriteOutput(CommandContext& context, TTable& table, const QString& output);

int RunCalc(CommandContext& context);
int RunConvert(CommandContext& context);
int RunFind(CommandContext& context);
int RunHelp(CommandContext& context);
int RunKinds(CommandContext& context);
int RunPlot(CommandContext& context);
int RunPossible(CommandContext& context);
int RunStats(CommandContext& context);
