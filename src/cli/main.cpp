// salvento-cli: the batch front end of Salvento over the same core as the desktop application.

#include "CliUserInterface.h"
#include "Commands.h"

#include "data/DataManager.h"
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
    {QStringLiteral("convert"), RunConvert},
    {QStringLiteral("kinds"), RunKinds},
};

const char* const Description = R"(Salvento batch tool: the calculations of the workbench without windows.

Commands:
  convert IN OUT [--data-sep C] [--dec-sep C]
      Opens the data file IN as the Open command does (detected data separator, the program's
      decimal separator, or what --data-sep and --dec-sep say, t standing for tab), binds the header
      to the data kinds and saves the table to OUT.
  kinds
      Lists every data kind: identifier, short name, name, integer flag, textual flag, minimum,
      maximum, default and typical value, separated by tabs.

Messages go to standard error. Exit status: 0 success, 1 a file could not be read or written,
2 bad usage.)";

int Usage(const QString& message)
{
    std::fputs(("salvento-cli: " + message + "\nTry 'salvento-cli --help'.\n").toUtf8().constData(), stderr);
    return ExitUsage;
}

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
        {QStringLiteral("data-sep"), QStringLiteral("convert: the file's data separator (t = tab)."), QStringLiteral("C")},
        {QStringLiteral("dec-sep"), QStringLiteral("convert: the file's decimal separator (t = tab)."),
         QStringLiteral("C")},
    });
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("convert or kinds"));
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
    return command->second(context);
}
