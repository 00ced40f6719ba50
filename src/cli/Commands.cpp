#include "cli/Commands.h"

#include "cli/CliUserInterface.h"

#include "core/base/NumberText.h"
#include "core/table/DataFile.h"
#include "core/table/OpenDataFile.h"
#include "core/table/RecentFiles.h"
#include "core/table/Table.h"
#include "core/table/TextCells.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace {

// A separator option's character: t stands for tab.
QChar OptionCharacter(const QString& value)
{
    return value == QStringLiteral("t") ? QChar(u'\t') : value[0];
}

// Copies standard input into `path`; false when it could not be read or written.
bool CopyStandardInput(const QString& path)
{
    QFile in;
    QFile out(path);
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    for (;;) {
        const QByteArray block = in.read(qint64(1) << 22);
        if (block.isEmpty())
            return in.error() == QFileDevice::NoError && out.flush();
        if (out.write(block) != block.size())
            return false;
    }
}

}   // namespace

TTable* OpenInput(CommandContext& context, TableSet& tables, const QString& path)
{
    // Standard input is read once, whole, into a file of its own, which is then opened as any other.
    std::optional<QTemporaryDir> scratch;
    QString file = path;
    if (path == StandardStream) {
        file = scratch.emplace().filePath(QStringLiteral("stdin"));
        if (!scratch->isValid() || !CopyStandardInput(file)) {
            context.ui.ShowMessage(QStringLiteral("salvento-cli: standard input could not be read"),
                                   UserInterface::Icon::Error);
            return nullptr;
        }
    }
    RecentFiles recent;
    TTable* table = OpenDataFile(file, tables, nullptr, context.kinds, context.ui, recent);
    if (table)
        if (const QString report = TextCellsReport(*table, CountTextCells(*table)); !report.isEmpty())
            context.ui.ShowReport(report);
    return table;
}

int OpenFailed(const CommandContext& context)
{
    return context.ui.optionsRefused ? ExitUsage : ExitFileError;
}

int WriteOutput(CommandContext& context, TTable& table, const QString& output)
{
    const QCommandLineParser& parser = context.parser;
    if (parser.isSet(QStringLiteral("out-sep")))
        table.SetDataSeparator(OptionCharacter(parser.value(QStringLiteral("out-sep"))));
    // The run ends with this write: the program's decimal separator is now the output's.
    if (parser.isSet(QStringLiteral("out-dec")))
        DecimalSeparator = OptionCharacter(parser.value(QStringLiteral("out-dec")));
    table.SetExactExport(parser.isSet(QStringLiteral("exact")));
    if (!output.isEmpty() && output != StandardStream)
        return SaveTableAs(table, output, context.ui) ? ExitOk : ExitFileError;
    QFile out;
    const bool written = out.open(stdout, QIODevice::WriteOnly) && WriteTable(table, out) && out.write("\n") == 1
        && out.flush();
    return written ? ExitOk : ExitFileError;
}
