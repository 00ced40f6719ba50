#include "cli/CliUserInterface.h"
#include "cli/Commands.h"

#include "core/base/OrderedBlocks.h"
#include "core/calc/CalcManager.h"
#include "core/data/DataManager.h"
#include "core/table/DataFile.h"
#include "core/table/TableSet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

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

// What the command line asks of a calculation, whatever the files.
struct CalcRequest
{
    bool complex = false;
    bool keepInputs = false;   // the first input's columns go before the results
    bool forcedProgress = false;
};

// Calculates from the input files into the destination table and saves it to `output` (standard
// output when empty or "-"). The simple way: the inputs are the sources in order and the destination is a
// new table, or the first source with `keepInputs`; the complex way: they are priorities 1, 2 …, and
// IN::DESCR gives a priority a description column (DESCR is "row" or a column name of that file).
int CalculateFiles(CommandContext& context, const CalcRequest& request, const QStringList& inputs,
                   const QString& output)
{
    const bool toFile = !output.isEmpty() && output != StandardStream;
    TableSet tables;
    CalcChoices& choices = context.ui.calcChoices;
    choices = CalcChoices();
    choices.Simple = !request.complex;
    choices.SimpleDestination = NewTableText();
    choices.ComplexDestination = NewTableText();
    choices.ComplexSources.fill(NoneText());
    choices.ComplexDescriptions.fill(NoneText());
    for (int i = 0; i < inputs.size(); ++i) {
        QString path = inputs[i];
        QString description;
        if (const qsizetype at = path.lastIndexOf(QStringLiteral("::")); at >= 0) {
            if (!request.complex)
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
        if (!request.complex) {
            choices.SimpleSources.append(TableEntryText(*table));
            if (request.keepInputs && i == 0)
                choices.SimpleDestination = TableEntryText(*table);
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

    CalcSettings settings;
    CalcManager manager(settings, context.kinds, tables, context.ui);
    if (!manager.Calculate())
        return ExitFileError;
    ProgressBar progress(request.forcedProgress, context.ui.quiet);
    if (!manager.Run([&progress](int done, int total) { progress(done, total); }))
        return ExitFileError;   // the output keeps what it held
    if (const QString report = manager.DefaultsReport(); !report.isEmpty())
        context.ui.ShowReport(report);

    return WriteOutput(context, *manager.Destination(), output);
}

// calc --each IN... --out-dir DIR: the simple way on each input alone, into DIR/<input's name>; goes
// on past a file that fails and tells of each file in a line.
int CalculateEach(CommandContext& context, const CalcRequest& request, const QString& directory)
{
    QStringList names;
    for (const QString& input : context.arguments) {
        const QString name = QFileInfo(input).fileName();
        if (names.contains(name))
            return Usage(QStringLiteral("--each: two inputs are named %1").arg(name));
        names << name;
    }
    if (!QDir().mkpath(directory)) {
        context.ui.ShowMessage(Texts::tr("Katalog %1 nie istnieje !").arg(QDir::toNativeSeparators(directory)),
                               UserInterface::Icon::Error);
        return ExitFileError;
    }
    int status = ExitOk;
    for (int i = 0; i < context.arguments.size(); ++i) {
        const QString& input = context.arguments[i];
        const QString output = QDir(directory).filePath(names[i]);
        const int fileStatus = CalculateFiles(context, request, {input}, output);
        if (fileStatus == ExitUsage)
            return fileStatus;
        if (fileStatus == ExitOk) {
            context.ui.ShowReport(Texts::tr("%1: wyniki zapisane w pliku %2")
                                      .arg(QDir::toNativeSeparators(input), QDir::toNativeSeparators(output)));
        } else {
            status = ExitFileError;
            context.ui.ShowMessage(Texts::tr("%1: nie policzono").arg(QDir::toNativeSeparators(input)),
                                   UserInterface::Icon::Error);
        }
    }
    return status;
}

// calc IN...: the calculation without dialogs (see CalculateFiles and CalculateEach).
int RunCalc(CommandContext& context)
{
    const QCommandLineParser& parser = context.parser;
    const auto given = [&parser](const char* name) { return parser.isSet(QString::fromLatin1(name)); };
    CalcRequest request;
    request.complex = given("complex");
    request.keepInputs = given("keep-inputs");
    request.forcedProgress = given("progress");
    const bool each = given("each");
    if (context.arguments.isEmpty())
        return Usage(QStringLiteral("calc needs at least one input file"));
    if (request.complex && context.arguments.size() > PriorityCount)
        return Usage(QStringLiteral("calc --complex takes at most four input files"));
    if (given("indices") && given("all"))
        return Usage(QStringLiteral("choose either --indices or --all"));
    if (request.complex && (request.keepInputs || each))
        return Usage(QStringLiteral("--complex takes neither --keep-inputs nor --each"));
    if (each != given("out-dir"))
        return Usage(QStringLiteral("--each and --out-dir go together"));
    if (each && given("output"))
        return Usage(QStringLiteral("--each writes into --out-dir, not to --output"));
    if (context.arguments.count(StandardStream) > 1)
        return Usage(QStringLiteral("standard input (-) can be read once"));
    if (given("threads")) {
        bool number = false;
        const int threads = parser.value(QStringLiteral("threads")).toInt(&number);
        if (!number || threads < 1)
            return Usage(QStringLiteral("--threads needs a whole number of at least 1"));
        ordered_blocks::SetThreads(threads);
    }
    context.ui.kinds = &context.kinds;
    context.ui.indexNames = parser.value(QStringLiteral("indices")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (each)
        return CalculateEach(context, request, parser.value(QStringLiteral("out-dir")));
    return CalculateFiles(context, request, context.arguments, parser.value(QStringLiteral("output")));
}
