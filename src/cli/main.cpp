// salvento-cli: the batch front end of Salvento over the same core as the desktop application.

#include "CliUserInterface.h"
#include "Commands.h"

#include "data/DataManager.h"
#include "FileError.h"
#include "settings/IniFile.h"
#include "settings/Options.h"
#include "table/NumberText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <cstdio>
#include <map>

namespace {

using Command = int (*)(CommandContext&);

const std::map<QString, Command> Commands = {
    {QStringLiteral("calc"), RunCalc},
    {QStringLiteral("convert"), RunConvert},
    {QStringLiteral("find"), RunFind},
    {QStringLiteral("kinds"), RunKinds},
    {QStringLiteral("possible"), RunPossible},
    {QStringLiteral("stats"), RunStats},
};

const char* const Description = R"(Salvento batch tool: the calculations of the workbench without windows.

Commands:
  calc [--complex] [--indices a,b,c | --all] [-o OUT] [--data-sep C] [--dec-sep C] IN...
      Calculates indices for every row. Simple way (the default): the input files are the source
      tables in the order given. --complex: they are priorities 1, 2, ... (at most four) and every
      combination of their rows is calculated; IN::DESCR gives a priority a description column,
      DESCR being "row" (the row number) or a column name of that file. --indices selects kinds by
      name, --all (the default) every computable one. The destination table is saved to OUT (tab
      separated, the program's decimal separator), or written to standard output.
  convert IN OUT [--data-sep C] [--dec-sep C]
      Opens the data file IN as the Open command does (detected data separator, the program's
      decimal separator, or what --data-sep and --dec-sep say, t standing for tab), binds the header
      to the data kinds and saves the table to OUT.
  possible (--have a,b,c | IN...)
      Lists the kinds that can be computed from the kinds named, or from those bound to the
      columns of the input files, in identifier order.
  kinds
      Lists every data kind: identifier, short name, name, integer flag, textual flag, minimum,
      maximum, default and typical value, separated by tabs.
  stats IN [--columns a,b,c] [--rows FROM:TO] [--freq MODE]
      Prints the statistics report of the named columns (default: every column) as the report
      window shows it. --rows gives the rows selected; without it, or with a single row, the whole
      column is used. MODE: none, standard, user:LIST (thresholds as typed in the options dialog),
      width:W or count:N; without it, the classes of a column's kind where it has them, else none.
      The report's numbers use the system's decimal separator.
  find IN (--text T [--case-insensitive] [--no-text-cells] [--no-number-cells] | --number X
        [--precision P] | --missing | --bad | --intervals TEXT | --classes i,j,...)
        [--column NAME] [--upward]
      Lists, as column<TAB>row, every cell the data search finds from the start of the column
      (without --column: the whole table), searching again from each cell found until the search
      ends or comes round. --intervals as typed in the search dialog (INF_a;b_c;d_INF); --classes
      are the class numbers, from 0, of the kind of the --column. A precision that is not a number
      keeps 0.001.

Messages go to standard error. Exit status: 0 success, 1 a file could not be read or written,
settings were refused or nothing was found, 2 bad usage.)";

// "PL" when the stored language is Polish, otherwise "EN"; Polish, the program's own language, when
// none was chosen yet.
QString LanguageCode(const IniFile& ini)
{
    const QString language = ini.ReadString(u"Options", u"Language");
    if (language.isEmpty() || language.compare(QStringLiteral("PL"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("PL");
    return QStringLiteral("EN");
}

}   // namespace

int Usage(const QString& message)
{
    std::fputs(("salvento-cli: " + message + "\nTry 'salvento-cli --help'.\n").toUtf8().constData(), stderr);
    return ExitUsage;
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("salvento-cli"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Description));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("home"), QStringLiteral("Directory holding SALVENTO.INI (default: the program's directory)."),
         QStringLiteral("DIR")},
        {QStringLiteral("decimal-separator"),
         QStringLiteral("The program's decimal separator (default: from the Options of SALVENTO.INI)."),
         QStringLiteral("C")},
        {QStringLiteral("data-sep"), QStringLiteral("The input files' data separator (t = tab)."), QStringLiteral("C")},
        {QStringLiteral("dec-sep"), QStringLiteral("The input files' decimal separator (t = tab)."), QStringLiteral("C")},
        {QStringLiteral("complex"), QStringLiteral("calc: the complex way, inputs as priorities 1, 2, ...")},
        {QStringLiteral("indices"), QStringLiteral("calc: the kinds to calculate, by name."), QStringLiteral("a,b,c")},
        {QStringLiteral("all"), QStringLiteral("calc: every computable kind (the default).")},
        {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("calc: the file to save the results to."),
         QStringLiteral("OUT")},
        {QStringLiteral("have"), QStringLiteral("possible: the kinds at hand, by name."), QStringLiteral("a,b,c")},
        {QStringLiteral("columns"), QStringLiteral("stats: the columns, by name."), QStringLiteral("a,b,c")},
        {QStringLiteral("rows"), QStringLiteral("stats: the rows selected."), QStringLiteral("FROM:TO")},
        {QStringLiteral("freq"), QStringLiteral("stats: the frequency intervals."), QStringLiteral("MODE")},
        {QStringLiteral("text"), QStringLiteral("find: a text within the cells."), QStringLiteral("T")},
        {QStringLiteral("case-insensitive"), QStringLiteral("find --text: letter case is ignored.")},
        {QStringLiteral("no-text-cells"), QStringLiteral("find --text: cells without a number are skipped.")},
        {QStringLiteral("no-number-cells"), QStringLiteral("find --text: cells with a number are skipped.")},
        {QStringLiteral("number"), QStringLiteral("find: a number."), QStringLiteral("X")},
        {QStringLiteral("precision"), QStringLiteral("find --number: the absolute precision (0.001)."),
         QStringLiteral("P")},
        {QStringLiteral("missing"), QStringLiteral("find: cells without a valid number.")},
        {QStringLiteral("bad"), QStringLiteral("find: numbers outside the range of the column's kind.")},
        {QStringLiteral("intervals"), QStringLiteral("find: numbers within the intervals."), QStringLiteral("TEXT")},
        {QStringLiteral("classes"), QStringLiteral("find: numbers in the classes of the column's kind."),
         QStringLiteral("i,j,...")},
        {QStringLiteral("column"), QStringLiteral("find: the column searched (default: the whole table)."),
         QStringLiteral("NAME")},
        {QStringLiteral("upward"), QStringLiteral("find: up and to the left.")},
    });
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("calc, convert, possible, kinds, stats or find"));
    parser.addPositionalArgument(QStringLiteral("arguments"), QStringLiteral("The command's arguments."),
                                 QStringLiteral("[arguments...]"));
    if (!parser.parse(QCoreApplication::arguments()))
        return Usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return ExitOk;
    }

    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return Usage(QStringLiteral("no command given"));
    const auto command = Commands.find(arguments.takeFirst());
    if (command == Commands.end())
        return Usage(QStringLiteral("unknown command"));

    const QString iniPath = parser.isSet(QStringLiteral("home"))
                                ? QDir(parser.value(QStringLiteral("home"))).filePath(QStringLiteral("SALVENTO.INI"))
                                : DataManager::DefaultIniPath();
    CliUserInterface ui;
    ui.dataSeparator = parser.value(QStringLiteral("data-sep"));
    ui.decimalSeparator = parser.value(QStringLiteral("dec-sep"));
    const IniFile ini(iniPath);
    if (parser.isSet(QStringLiteral("decimal-separator"))) {
        const QString separator = parser.value(QStringLiteral("decimal-separator"));
        if (separator.size() != 1)
            return Usage(QStringLiteral("--decimal-separator takes one character"));
        DecimalSeparator = separator[0];
    } else {
        ProgramOptions options;
        options.Read(ini);
        DecimalSeparator = options.EffectiveDecimalSeparator(QLocale::system().decimalPoint(), ui);
    }

    DataManager kinds(iniPath, LanguageCode(ini));
    CommandContext context{parser, arguments, kinds, ui};
    try {
        return command->second(context);
    } catch (const FileError& error) {   // a file a formula needs (WSI.INI) could not be read
        ui.ShowMessage(error.Message(), UserInterface::Icon::Error);
        return ExitFileError;
    }
}
