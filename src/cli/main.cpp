// salvento-cli: the batch front end of Salvento over the same core as the desktop application.

#include "cli/CliUserInterface.h"
#include "cli/Commands.h"
#include "cli/Completion.h"

#include "core/base/FileError.h"
#include "core/base/NumberText.h"
#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/settings/ConfigLocation.h"
#include "core/settings/IniFile.h"
#include "core/settings/Options.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <optional>

namespace {

// The texts of the batch tool, translated in the context "SalventoCli".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SalventoCli)
};

using Command = int (*)(CommandContext&);

// The options that belong to every command.
const QStringList GlobalOptions{QStringLiteral("home"), QStringLiteral("decimal-separator"), QStringLiteral("quiet")};

// A command and the options that belong to it (besides the global ones).
struct CommandEntry
{
    Command run;
    QStringList options;
};

const std::map<QString, CommandEntry> Commands = {
    {QStringLiteral("calc"),
     {RunCalc,
      {QStringLiteral("complex"), QStringLiteral("indices"), QStringLiteral("all"), QStringLiteral("output"),
       QStringLiteral("data-sep"), QStringLiteral("dec-sep"), QStringLiteral("progress"), QStringLiteral("threads"),
       QStringLiteral("keep-inputs"), QStringLiteral("each"), QStringLiteral("out-dir"), QStringLiteral("out-sep"),
       QStringLiteral("out-dec"), QStringLiteral("exact")}}},
    {QStringLiteral("convert"),
     {RunConvert,
      {QStringLiteral("data-sep"), QStringLiteral("dec-sep"), QStringLiteral("out-sep"), QStringLiteral("out-dec"),
       QStringLiteral("exact")}}},
    {QStringLiteral("find"),
     {RunFind,
      {QStringLiteral("text"), QStringLiteral("case-insensitive"), QStringLiteral("no-text-cells"),
       QStringLiteral("no-number-cells"), QStringLiteral("number"), QStringLiteral("precision"),
       QStringLiteral("missing"), QStringLiteral("bad"), QStringLiteral("intervals"), QStringLiteral("classes"),
       QStringLiteral("column"), QStringLiteral("upward"), QStringLiteral("data-sep"), QStringLiteral("dec-sep"),
       QStringLiteral("json")}}},
    {QStringLiteral("help"), {RunHelp, {}}},
    {QStringLiteral("kinds"), {RunKinds, {QStringLiteral("json")}}},
    {QStringLiteral("plot"),
     {RunPlot,
      {QStringLiteral("columns"), QStringLiteral("type"), QStringLiteral("freq"), QStringLiteral("percent"),
       QStringLiteral("size"), QStringLiteral("output"), QStringLiteral("data-sep"), QStringLiteral("dec-sep")}}},
    {QStringLiteral("possible"),
     {RunPossible,
      {QStringLiteral("have"), QStringLiteral("data-sep"), QStringLiteral("dec-sep"), QStringLiteral("json")}}},
    {QStringLiteral("stats"),
     {RunStats,
      {QStringLiteral("columns"), QStringLiteral("rows"), QStringLiteral("freq"), QStringLiteral("data-sep"),
       QStringLiteral("dec-sep"), QStringLiteral("json")}}},
};

// The options whose value is a comma-separated list of names or numbers.
const QStringList ListOptions{QStringLiteral("have"), QStringLiteral("columns"), QStringLiteral("indices"),
                              QStringLiteral("classes")};

const char* const Description = R"(Salvento batch tool: the calculations of the workbench without windows.

Commands:
  calc [--complex] [--indices a,b,c | --all] [-k] [-o OUT | --each --out-dir DIR] [--threads N]
       [--data-sep C] [--dec-sep C] [--out-sep C] [--out-dec C] [--exact] IN...
      Calculates indices for every row. Simple way (the default): the input files are the source
      tables in the order given. --complex: they are priorities 1, 2, ... (at most four) and every
      combination of their rows is calculated; IN::DESCR gives a priority a description column,
      DESCR being "row" (the row number) or a column name of that file. --indices selects kinds by
      name, --all (the default) every computable one. The destination table is saved to OUT (tab
      separated, the program's decimal separator), or written to standard output. -k
      (--keep-inputs, simple way): the first input's columns come first, then the results. --each:
      every input is calculated alone, into DIR/<its file name>; a file that fails does not stop
      the others (one line per file on standard error). The rows are read, calculated and written
      on N threads (default: every core); the results do not depend on N.
  convert IN OUT [--data-sep C] [--dec-sep C] [--out-sep C] [--out-dec C] [--exact]
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

calc and convert read standard input for an input named -, and write to standard output for -o -
(calc's default) or OUT -. --out-sep and --out-dec give the output's data and decimal separators
(default: the input's data separator for convert, tab for calc; the program's decimal separator);
--out-sep ';' --out-dec ',' gives what a Polish spreadsheet opens directly. Numbers are written with
6 decimals; --exact writes each with every decimal it needs to be read back as the same float32
value (the shortest such text), so that nothing computed is lost on the way to another program.

--json (kinds, possible, stats, find) prints one JSON document instead of the text, numbers as
numbers and null where there is none:
  kinds     {"kinds": [{id, shortName, name, description, integer, textual, minimum, maximum,
            default, typical, classes: [{name, below}]}]}
  possible  {"possible": [name, ...]}
  stats     {"columns": [{column, kind, fromRow, toRow, rows, numbers, outOfRange, texts, value (one
            number only) or sum, min, max, mean, meanError, variance, varianceError, deviation,
            deviationError, intervals: [{from, below, count, percent, class}]}]}
  find      {"found": [{column, row, text}]}
An interval holds the numbers from `from` (inclusive) to below `below`; null stands for infinity.

  help [KIND]
      Without KIND, lists the data kinds 0-94 with their descriptions; with it, prints the kind's
      reference from the help (what it is, its unit, inputs, formula, classes, how to read it, its
      source) as plain text, in the language of SALVENTO.INI.
  plot IN --columns a,b [--type series|histogram|calendar] [--freq MODE] [--percent] [--size WxH]
        -o OUT
      Draws a chart of the columns to OUT: a PNG picture, or SVG for a name ending in .svg (default
      size 1000x600). series: the columns as lines against the row, or against the date and time
      when IN has month, day and hour columns; histogram: one column's frequency intervals as stats
      counts them (--freq as there; --percent for shares instead of counts); calendar: for each
      month, the shares of one column's classes (its kind's classes; IN needs a month column).
  completion (bash | zsh)
      Prints the tool's completion script for the shell: commands, options, file names and the data
      kinds' names (e.g. source <(salvento-cli completion bash)).

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

// For English, the texts of the desktop application's language module in the data directory (beside
// the tool in a build tree); Polish is built in.
void LoadLanguageModule(QCoreApplication& app, const QString& languageCode, const QString& dataDirectory)
{
    if (languageCode != QStringLiteral("EN"))
        return;
    const QString desktop = QDir(dataDirectory).filePath(QStringLiteral("salvento"));
    const QString module = FindLanguageModule(desktop, 1033);
    if (module.isEmpty())
        return;
    auto* translator = new QTranslator(&app);
    if (translator->load(module))
        QCoreApplication::installTranslator(translator);
}

// Why the configuration file cannot be used: its directory or the file itself is missing, or it
// cannot be read; empty when it can be read.
QString ConfigurationProblem(const QString& iniPath)
{
    const QFileInfo info(iniPath);
    const QString path = QDir::toNativeSeparators(info.absoluteFilePath());
    if (!info.absoluteDir().exists())
        return Texts::tr("Katalog %1 nie istnieje !").arg(QDir::toNativeSeparators(info.absolutePath()));
    if (!info.exists())
        return Texts::tr("Brak pliku konfiguracji %1 !").arg(path);
    if (QFile file(iniPath); !file.open(QIODevice::ReadOnly))
        return Texts::tr("Nie mogę odczytać pliku konfiguracji %1 !").arg(path);
    return QString();
}

// Whether a separator keeps numbers readable: never a digit or a sign; a decimal separator is no
// letter either, and a data separator not the e of an exponent.
bool UsableSeparator(QChar separator, bool decimal)
{
    if (separator.isDigit() || separator == QLatin1Char('+') || separator == QLatin1Char('-'))
        return false;
    return decimal ? !separator.isLetter() : separator.toLower() != QLatin1Char('e');
}

// The refusal of a separator option as typed (t standing for tab in --data-sep and --dec-sep);
// empty when it can be used.
QString SeparatorProblem(const QString& option, const QString& value, bool decimal)
{
    if (value.size() != 1)
        return QStringLiteral("--%1 takes one character").arg(option);
    const QChar separator = option != QStringLiteral("decimal-separator") && value[0] == QLatin1Char('t') ? QChar(u'\t')
                                                                                                          : value[0];
    if (!UsableSeparator(separator, decimal))
        return QStringLiteral("--%1 cannot be a digit, a sign or %2")
            .arg(option, decimal ? QStringLiteral("a letter") : QStringLiteral("e"));
    return QString();
}

// The long name of an option as the command line gave it (-o is --output).
QString LongName(const QList<QCommandLineOption>& options, const QString& name)
{
    for (const QCommandLineOption& option : options)
        if (option.names().contains(name))
            return option.names().last();
    return name;
}

// Whether the option takes a value.
bool TakesValue(const QList<QCommandLineOption>& options, const QString& name)
{
    for (const QCommandLineOption& option : options)
        if (option.names().contains(name))
            return !option.valueName().isEmpty();
    return false;
}

// Flushes standard output: the exit status, or ExitFileError with a message when anything written
// to it was lost (a full disk, a closed pipe).
int Finish(int status, CliUserInterface& ui)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    ui.ShowMessage(Texts::tr("Błąd podczas zapisu na standardowe wyjście !"), UserInterface::Icon::Error);
    return ExitFileError;
}

// completion SHELL: the completion script of the tool for bash or zsh on standard output.
int PrintCompletion(const QStringList& arguments, const QList<QCommandLineOption>& options, CliUserInterface& ui)
{
    std::vector<CommandOptions> commands;
    for (const auto& [name, entry] : Commands)
        commands.emplace_back(name, entry.options);
    commands.emplace_back(QStringLiteral("completion"), QStringList());
    const QString script = arguments.size() == 1 ? CompletionScript(arguments[0], commands, options, GlobalOptions)
                                                 : QString();
    if (script.isEmpty())
        return Usage(QStringLiteral("completion takes bash or zsh"));
    std::fputs(script.toUtf8().constData(), stdout);
    return Finish(ExitOk, ui);
}

}   // namespace

int Usage(const QString& message)
{
    std::fputs(("salvento-cli: " + message + "\nTry 'salvento-cli --help'.\n").toUtf8().constData(), stderr);
    return ExitUsage;
}

int main(int argc, char* argv[])
{
    // The plot command draws with the widgets, off any screen; the others need no more than the core.
    const bool plots = std::any_of(argv + 1, argv + argc,
                                   [](const char* word) { return std::strcmp(word, "plot") == 0; });
    if (plots && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<QTemporaryDir> runtime;   // the offscreen platform asks for one; a batch run may have none
    if (plots && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.emplace().isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    const std::unique_ptr<QCoreApplication> application = plots ? std::make_unique<QApplication>(argc, argv)
                                                                : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("salvento-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SALVENTO_VERSION));

    const QList<QCommandLineOption> options{
        {QStringLiteral("home"),
         QStringLiteral("Directory holding SALVENTO.INI (default: the program's directory, or "
                        "$XDG_CONFIG_HOME/salvento for an installed program)."),
         QStringLiteral("DIR")},
        {QStringLiteral("decimal-separator"),
         QStringLiteral("The program's decimal separator (default: from the Options of SALVENTO.INI)."),
         QStringLiteral("C")},
        {QStringLiteral("data-sep"), QStringLiteral("The input files' data separator (t = tab)."), QStringLiteral("C")},
        {QStringLiteral("dec-sep"), QStringLiteral("The input files' decimal separator (t = tab)."),
         QStringLiteral("C")},
        {QStringLiteral("out-sep"), QStringLiteral("calc, convert: the output's data separator (t = tab)."),
         QStringLiteral("C")},
        {QStringLiteral("out-dec"), QStringLiteral("calc, convert: the output's decimal separator."),
         QStringLiteral("C")},
        {QStringLiteral("exact"),
         QStringLiteral("calc, convert: numbers with every decimal needed to read them back unchanged.")},
        {QStringLiteral("complex"), QStringLiteral("calc: the complex way, inputs as priorities 1, 2, ...")},
        {QStringLiteral("indices"), QStringLiteral("calc: the kinds to calculate, by name."), QStringLiteral("a,b,c")},
        {QStringLiteral("all"), QStringLiteral("calc: every computable kind (the default).")},
        {{QStringLiteral("o"), QStringLiteral("output")},
         QStringLiteral("calc, plot: the file to save the results to."),
         QStringLiteral("OUT")},
        {QStringLiteral("have"), QStringLiteral("possible: the kinds at hand, by name."), QStringLiteral("a,b,c")},
        {QStringLiteral("columns"), QStringLiteral("stats, plot: the columns, by name."), QStringLiteral("a,b,c")},
        {QStringLiteral("type"), QStringLiteral("plot: series, histogram or calendar."), QStringLiteral("TYPE")},
        {QStringLiteral("percent"), QStringLiteral("plot --type histogram: shares instead of counts.")},
        {QStringLiteral("size"), QStringLiteral("plot: the picture's size in pixels (1000x600)."),
         QStringLiteral("WxH")},
        {QStringLiteral("rows"), QStringLiteral("stats: the rows selected."), QStringLiteral("FROM:TO")},
        {QStringLiteral("freq"), QStringLiteral("stats, plot: the frequency intervals."), QStringLiteral("MODE")},
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
        {QStringLiteral("json"),
         QStringLiteral("kinds, possible, stats, find: one JSON document instead of the text.")},
        {QStringLiteral("quiet"), QStringLiteral("No progress bar and no notes on standard error (errors still).")},
        {QStringLiteral("progress"), QStringLiteral("calc: the progress bar even when standard error is no terminal.")},
        {QStringLiteral("threads"),
         QStringLiteral("calc: the threads that read, calculate and write rows (default: every core)."),
         QStringLiteral("N")},
        {{QStringLiteral("k"), QStringLiteral("keep-inputs")},
         QStringLiteral("calc: the first input's columns before the results (simple way).")},
        {QStringLiteral("each"), QStringLiteral("calc: every input alone, into --out-dir.")},
        {QStringLiteral("out-dir"), QStringLiteral("calc --each: the directory of the results."),
         QStringLiteral("DIR")},
    };
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Description));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(options);
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("calc, convert, possible, kinds, help, stats, find, plot or completion"));
    parser.addPositionalArgument(QStringLiteral("arguments"), QStringLiteral("The command's arguments."),
                                 QStringLiteral("[arguments...]"));
    CliUserInterface ui;
    if (!parser.parse(QCoreApplication::arguments()))
        return Usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return Finish(ExitOk, ui);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::fputs(("salvento-cli " + QCoreApplication::applicationVersion() + '\n').toUtf8().constData(), stdout);
        return Finish(ExitOk, ui);
    }

    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return Usage(QStringLiteral("no command given"));
    const QString commandName = arguments.takeFirst();
    if (commandName == QStringLiteral("completion"))
        return PrintCompletion(arguments, options, ui);
    const auto command = Commands.find(commandName);
    if (command == Commands.end())
        return Usage(QStringLiteral("unknown command"));
    for (const QString& given : parser.optionNames()) {
        const QString name = LongName(options, given);
        if (!GlobalOptions.contains(name) && !command->second.options.contains(name))
            return Usage(QStringLiteral("--%1 does not belong to %2").arg(name, commandName));
        if (!TakesValue(options, name))
            continue;
        const QString value = parser.value(name);
        const bool blank = ListOptions.contains(name)
            ? value.split(QLatin1Char(','), Qt::SkipEmptyParts).join(QString()).trimmed().isEmpty()
            : value.isEmpty();
        if (blank)
            return Usage(QStringLiteral("--%1 needs a value").arg(name));
    }
    for (const QString& name : {QStringLiteral("decimal-separator"), QStringLiteral("data-sep"),
                                QStringLiteral("dec-sep"), QStringLiteral("out-sep"), QStringLiteral("out-dec")}) {
        if (!parser.isSet(name))
            continue;
        const bool decimal = name != QStringLiteral("data-sep") && name != QStringLiteral("out-sep");
        if (const QString problem = SeparatorProblem(name, parser.value(name), decimal); !problem.isEmpty())
            return Usage(problem);
    }
    if (parser.isSet(QStringLiteral("out-sep")) && parser.isSet(QStringLiteral("out-dec"))
        && parser.value(QStringLiteral("out-sep")) == parser.value(QStringLiteral("out-dec")))
        return Usage(QStringLiteral("--out-sep and --out-dec cannot be the same character"));

    const QString programDirectory = QCoreApplication::applicationDirPath();
    const QString dataDirectory = DataDirectory(programDirectory);
    const QString iniPath = parser.isSet(QStringLiteral("home"))
        ? QDir(parser.value(QStringLiteral("home"))).filePath(QStringLiteral("SALVENTO.INI"))
        : ConfigPath(programDirectory);
    if (const QString problem = ConfigurationProblem(iniPath); !problem.isEmpty()) {
        ui.ShowMessage(problem, UserInterface::Icon::Error);
        return ExitFileError;
    }
    const IniFile ini(iniPath);
    const QString languageCode = LanguageCode(ini);
    LoadLanguageModule(app, languageCode, dataDirectory);
    ui.quiet = parser.isSet(QStringLiteral("quiet"));
    ui.dataSeparator = parser.value(QStringLiteral("data-sep"));
    ui.decimalSeparator = parser.value(QStringLiteral("dec-sep"));
    if (parser.isSet(QStringLiteral("decimal-separator"))) {
        DecimalSeparator = parser.value(QStringLiteral("decimal-separator"))[0];
    } else {
        ProgramOptions programOptions;
        programOptions.Read(ini);
        DecimalSeparator = programOptions.EffectiveDecimalSeparator(QLocale::system().decimalPoint(), ui);
    }

    DataManager kinds(CreateKind, iniPath, languageCode, dataDirectory);
    CommandContext context{parser, arguments, kinds, ui};
    try {
        return Finish(command->second.run(context), ui);
    } catch (const FileError& error) {   // a file a formula needs (WSI.INI) could not be read
        ui.ShowMessage(error.Message(), UserInterface::Icon::Error);
        return Finish(ExitFileError, ui);
    } catch (const std::bad_alloc&) {   // a table or a calculation too large for the memory at hand
        ui.ShowMessage(OutOfMemoryMessage(), UserInterface::Icon::Error);
        return Finish(ExitFileError, ui);
    }
}
