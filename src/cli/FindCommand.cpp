#include "cli/CliUserInterface.h"
#include "cli/Commands.h"
#include "cli/Json.h"

#include "core/search/SearchData.h"
#include "core/search/SearchRequest.h"
#include "core/table/Table.h"
#include "core/table/TableSet.h"

#include <QCommandLineParser>
#include <QJsonArray>

#include <cstdio>
#include <set>
#include <utility>

namespace {

// Keeps what the search tells, so that the end of a run of searches is not reported as a failure.
class RecordingUi : public UserInterface
{
public:
    QStringList messages;

    void ShowMessage(const QString& text, Icon) override { messages << text; }
    bool AskYesNo(const QString&) override { return false; }
    std::optional<LoadOptions> ChooseLoadOptions(const LoadOptionsRequest&) override { return std::nullopt; }
    std::optional<CalcChoices> ChooseCalculation(const CalcSettings&) override { return std::nullopt; }
    std::optional<KindFlags> ChooseIndices(const KindFlags&, const KindFlags&) override { return std::nullopt; }
};

const char* const Conditions[] = {"text", "number", "missing", "bad", "intervals", "classes"};

// The options that refine one condition, with that condition.
const std::pair<const char*, const char*> Refinements[] = {
    {"case-insensitive", "text"}, {"no-text-cells", "text"}, {"no-number-cells", "text"}, {"precision", "number"}};

}   // namespace

// find IN (--text T … | --number X … | --missing | --bad | --intervals TEXT | --classes i,j,…)
// [--column NAME] [--upward]: every cell the data search finds, from just outside the column (or
// table), searching again from each cell found until the search ends or comes round to a cell it
// found before; one "column<TAB>row" line per cell.
int RunFind(CommandContext& context)
{
    const QCommandLineParser& parser = context.parser;
    if (context.arguments.size() != 1)
        return Usage(QStringLiteral("find needs one input file"));
    int conditions = 0;
    for (const char* condition : Conditions)
        conditions += parser.isSet(QString::fromLatin1(condition)) ? 1 : 0;
    if (conditions != 1)
        return Usage(QStringLiteral("find needs one of --text, --number, --missing, --bad, --intervals, --classes"));
    for (const auto& [refinement, condition] : Refinements) {
        const QString option = QString::fromLatin1(refinement);
        const QString refined = QString::fromLatin1(condition);
        if (parser.isSet(option) && !parser.isSet(refined))
            return Usage(QStringLiteral("--%1 goes with --%2").arg(option, refined));
    }
    const bool inColumn = parser.isSet(QStringLiteral("column"));
    if (parser.isSet(QStringLiteral("classes")) && !inColumn)
        return Usage(QStringLiteral("--classes needs --column"));

    TableSet tables;
    const QString& path = context.arguments[0];
    TTable* table = OpenInput(context, tables, path);
    if (!table)
        return OpenFailed(context);

    const bool upward = parser.isSet(QStringLiteral("upward"));
    int col = upward ? table->ColCount() - 1 : 1;
    if (inColumn) {
        col = table->ColumnIndexOf(parser.value(QStringLiteral("column")));
        if (col < 1)
            return Usage(QStringLiteral("%1 has no column named %2").arg(path, parser.value(QStringLiteral("column"))));
    }
    const TAbstractData* kind = table->ColumnKind(col);

    TSearchState state;
    TSearchRequest request = LoadSearchRequest(state, kind);
    request.WholeTable = !inColumn;
    request.Upward = upward;
    if (parser.isSet(QStringLiteral("text"))) {
        request.Page = SearchPage::Text;
        request.Text = parser.value(QStringLiteral("text"));
        request.CaseSensitive = !parser.isSet(QStringLiteral("case-insensitive"));
        request.SearchTextCells = !parser.isSet(QStringLiteral("no-text-cells"));
        request.SearchNumCells = !parser.isSet(QStringLiteral("no-number-cells"));
    } else if (parser.isSet(QStringLiteral("number"))) {
        request.Page = SearchPage::Number;
        request.Number = parser.value(QStringLiteral("number"));
        if (parser.isSet(QStringLiteral("precision")))
            request.Precision = parser.value(QStringLiteral("precision"));
    } else if (parser.isSet(QStringLiteral("missing")) || parser.isSet(QStringLiteral("bad"))) {
        request.Page = SearchPage::Special;
        request.NoData = parser.isSet(QStringLiteral("missing"));
        request.BadData = !request.NoData;
    } else if (parser.isSet(QStringLiteral("intervals"))) {
        request.Page = SearchPage::UserIntervals;
        request.Intervals = parser.value(QStringLiteral("intervals"));
    } else {
        request.Page = SearchPage::StdIntervals;
        const qsizetype classes = request.StdClassNames.size();
        if (!request.StdPageShown || classes == 0) {
            context.ui.ShowMessage(
                QStringLiteral("salvento-cli: column %1 has no standard classes").arg(table->HeaderText(col)),
                UserInterface::Icon::Error);
            return ExitFileError;
        }
        for (const QString& item :
             parser.value(QStringLiteral("classes")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int index = item.trimmed().toInt(&ok);
            if (!ok || index < 0)
                return Usage(QStringLiteral("--classes takes class numbers counted from 0"));
            if (index >= classes) {
                context.ui.ShowMessage(QStringLiteral("salvento-cli: column %1 has %2 classes, numbered from 0")
                                           .arg(table->HeaderText(col))
                                           .arg(classes),
                                       UserInterface::Icon::Error);
                return ExitFileError;
            }
            request.StdSelected[std::size_t(index)] = true;
        }
    }
    if (const QString message = StoreSearchRequest(request, kind, state); !message.isEmpty()) {
        context.ui.ShowMessage(message, UserInterface::Icon::Error);
        return ExitFileError;
    }

    const bool json = parser.isSet(QStringLiteral("json"));
    QJsonArray cells;
    RecordingUi quiet;
    std::set<std::pair<int, int>> found;
    int row = upward ? table->RowCount() : 0;   // just outside the first column searched
    while (const std::optional<TFoundCell> cell = SearchData(*table, state, col, row, quiet)) {
        if (!found.insert({cell->Col, cell->Row}).second)
            break;
        if (json)
            cells.append(QJsonObject{{QStringLiteral("column"), table->HeaderText(cell->Col)},
                                     {QStringLiteral("row"), cell->Row},
                                     {QStringLiteral("text"), table->DisplayText(cell->Col, cell->Row)}});
        else
            std::fputs(
                (table->HeaderText(cell->Col) + QLatin1Char('\t') + QString::number(cell->Row) + QLatin1Char('\n'))
                    .toUtf8()
                    .constData(),
                stdout);
        col = cell->Col;
        row = cell->Row;
    }
    if (json)
        PrintJson({{QStringLiteral("found"), cells}});
    if (found.empty()) {
        for (const QString& message : quiet.messages)
            context.ui.ShowMessage(message, UserInterface::Icon::Error);
        return ExitFileError;
    }
    return ExitOk;
}
