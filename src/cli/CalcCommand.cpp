#include "cli/CliUserInterface.h"
#include "cli/Commands.h"

#include "core/calc/CalcManager.h"
#include "core/data/DataManager.h"
#include "core/table/DataFile.h"
#include "core/table/TableSet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

// The texts of the batch tool, translated in the context "SalventoCli".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SalventoCli)
};

// Whether two paths lead to the same existing file, whatever other path, symbolic or hard link
// leads there.
bool SameFile(const QString& first, const QString& second)
{
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(first.toStdString()),
                                       std::filesystem::path(second.toStdString()), error);
}

// A progress bar on standard error, drawn once the calculation has run for a second, and only
// when standard error is a terminal.
class ProgressBar
{
public:
    // Drawn on a terminal after the first second, or always (`forced`), or never (`quiet`).
    ProgressBar(bool forced, bool quiet) : m_shown(!quiet && (forced || isatty(fileno(stderr)) != 0))
    {
        m_clock.start();
    }
    ~ProgressBar()
    {
        if (m_drawn)
            std::fputc('\n', stderr);
    }

    void operator()(int done, int total)
    {
        if (!m_shown || m_clock.elapsed() < 1000 || total <= 0)
            return;
        constexpr int Width = 40;
        const int filled = int(qint64(done) * Width / total);
        std::fprintf(stderr, "\r[%s%s] %3d%%", QByteArray(filled, '#').constData(),
                     QByteArray(Width - filled, ' ').constData(), int(qint64(done) * 100 / total));
        std::fflush(stderr);
        m_drawn = true;
    }

private:
    QElapsedTimer m_clock;
    bool m_shown;
    bool m_drawn = false;
};

}   // namespace

// calc IN...: the calculation without dialogs. Simple way: the inputs are the sources in order;
// --complex: they are priorities 1, 2 …, and IN::DESCR gives a priority a description column
// (DESCR is "row" or a column name of that file). The destination is a new table.
int RunCalc(CommandContext& context)
{
    const QCommandLineParser& parser = context.parser;
    const bool complex = parser.isSet(QStringLiteral("complex"));
    if (context.arguments.isEmpty())
        return Usage(QStringLiteral("calc needs at least one input file"));
    if (complex && context.arguments.size() > PriorityCount)
        return Usage(QStringLiteral("calc --complex takes at most four input files"));
    if (parser.isSet(QStringLiteral("indices")) && parser.isSet(QStringLiteral("all")))
        return Usage(QStringLiteral("choose either --indices or --all"));
    int threads = 0;
    if (parser.isSet(QStringLiteral("threads"))) {
        bool number = false;
        threads = parser.value(QStringLiteral("threads")).toInt(&number);
        if (!number || threads < 1)
            return Usage(QStringLiteral("--threads needs a whole number of at least 1"));
    }

    const bool toFile = parser.isSet(QStringLiteral("output"));
    const QString output = parser.value(QStringLiteral("output"));

    TableSet tables;
    CalcChoices& choices = context.ui.calcChoices;
    choices.Simple = !complex;
    choices.SimpleDestination = NewTableText();
    choices.ComplexDestination = NewTableText();
    choices.ComplexSources.fill(NoneText());
    choices.ComplexDescriptions.fill(NoneText());
    for (int i = 0; i < context.arguments.size(); ++i) {
        QString path = context.arguments[i];
        QString description;
        if (const qsizetype at = path.lastIndexOf(QStringLiteral("::")); at >= 0) {
            if (!complex)
                return Usage(QStringLiteral("a description column (IN::DESCR) needs --complex"));
            description = path.mid(at + 2);
            path.truncate(at);
        }
        if (toFile && SameFile(path, output)) {
            context.ui.ShowMessage(
                Texts::tr("Plik wynikowy %1 jest jednym z plików wejściowych !").arg(QDir::toNativeSeparators(output)),
                UserInterface::Icon::Error);
            return ExitFileError;
        }
        TTable* table = OpenInput(context, tables, path);
        if (!table)
            return OpenFailed(context);
        if (!complex) {
            choices.SimpleSources.append(TableEntryText(*table));
            continue;
        }
        choices.ComplexSources[std::size_t(i)] = TableEntryText(*table);
        if (description.compare(QStringLiteral("row"), Qt::CaseInsensitive) == 0)
            choices.ComplexDescriptions[std::size_t(i)] = RowNumberText();
        else if (!description.isEmpty() && table->ColumnIndexOf(description) < 1)
            return Usage(QStringLiteral("%1 has no column named %2").arg(path, description));
        else if (!description.isEmpty())
            choices.ComplexDescriptions[std::size_t(i)] = description;
    }

    context.ui.kinds = &context.kinds;
    context.ui.indexNames = parser.value(QStringLiteral("indices")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    CalcSettings settings;
    CalcManager manager(settings, context.kinds, tables, context.ui);
    if (threads > 0)
        manager.SetThreadCount(threads);
    if (!manager.Calculate())
        return ExitFileError;
    ProgressBar progress(parser.isSet(QStringLiteral("progress")), context.ui.quiet);
    if (!manager.Run([&progress](int done, int total) { progress(done, total); }))
        return ExitFileError;   // the output keeps what it held
    if (const QString report = manager.DefaultsReport(); !report.isEmpty())
        context.ui.ShowReport(report);

    TTable& destination = *manager.Destination();
    if (toFile)
        return SaveTableAs(destination, output, context.ui) ? ExitOk : ExitFileError;
    QFile out;
    const bool written = out.open(stdout, QIODevice::WriteOnly) && WriteTable(destination, out) && out.write("\n") == 1
        && out.flush();
    return written ? ExitOk : ExitFileError;
}
