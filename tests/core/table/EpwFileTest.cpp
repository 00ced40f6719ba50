// Weather files of the EnergyPlus format opened as data files: an excerpt of a real year (Chicago
// O'Hare, TMY3: 31 March to 2 April, the period its DATA PERIODS line gives) checked against its own
// fields, read here independently.

#include "support/OpenFileFixture.h"

#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/table/OpenDataFile.h"
#include "core/table/RecentFiles.h"
#include "core/table/Table.h"
#include "core/table/TableSet.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

namespace {

const QString Excerpt = QStringLiteral(SALVENTO_TEST_DATA "/chicago_excerpt.epw");

QStringList ExcerptLines()
{
    QFile file(Excerpt);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class EpwFileTest : public OpenFileFixture
{
protected:
    TTable* Open(const QString& path, TTable* current = nullptr) { return OpenPath(path, current); }
    // The excerpt with its lines changed, written to the scratch directory.
    QString Variant(const std::function<void(QStringList&)>& change)
    {
        QStringList lines = ExcerptLines();
        change(lines);
        home.Write(QStringLiteral("variant.epw"), lines.join(QLatin1Char('\n')).toLatin1());
        return home.Path(QStringLiteral("variant.epw"));
    }
    static float Cell(const TTable& table, const char* column, int r)
    {
        return table.CellNumber(table.ColumnIndexOf(QString::fromLatin1(column)), r);
    }
};

TEST_F(EpwFileTest, ExcerptCellsAreTheFieldsConverted)
{
    const TTable* table = Open(Excerpt);
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(ui.requests.empty());   // no load dialog
    EXPECT_EQ(table->FileName(), Excerpt);
    EXPECT_TRUE(table->FileReadOnly());
    QStringList header;
    for (int c = 1; c < table->ColCount(); ++c)
        header << table->HeaderText(c);
    EXPECT_EQ(header.join(QLatin1Char(' ')),
              QStringLiteral("station month day hour min lat t td f p v10m v N8 Kdir Kdif vis prec snow tmax tmin"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              QStringLiteral("Stacja Chicago Ohare Intl Ap, IL, USA: szerokość 41.98°, długość -87.92°, wysokość "
                             "201.0 m; okres 03-31 – 04-02; wczytane wiersze: 72; brakujące wartości: prec 24"));

    // Each column from the 0-based fields of the file's line; NaN: an empty cell.
    using Field = std::function<double(const QStringList&)>;
    const auto at = [](int i) { return [i](const QStringList& f) { return f[i].toDouble(); }; };
    const std::vector<std::pair<const char*, Field>> columns = {
        {"month", at(1)},
        {"day", at(2)},
        {"hour", [](const QStringList& f) { return f[3].toDouble() - 1; }},
        {"min", [](const QStringList&) { return 30.0; }},
        {"lat", [](const QStringList&) { return 41.588; }},   // 41.98° = 41° 58.8′
        {"t", at(6)},
        {"td", at(7)},
        {"f", at(8)},
        {"p", [](const QStringList& f) { return f[9].toDouble() / 100; }},
        {"v10m", at(21)},
        {"v", [](const QStringList& f) { return f[21].toDouble() / 1.5; }},
        {"N8", [](const QStringList& f) { return std::round(f[22].toDouble() * 8 / 10); }},
        {"Kdir", [](const QStringList& f) { return std::max(0.0, f[13].toDouble() - f[15].toDouble()); }},
        {"Kdif", at(15)},
        {"vis", [](const QStringList& f) { return f[24].toDouble() * 1000; }},
        {"prec", [](const QStringList& f) { return f[33] == QStringLiteral("999.0") ? NAN : f[33].toDouble(); }},
        {"snow", at(30)},
    };
    const QStringList lines = ExcerptLines().mid(8);
    ASSERT_EQ(table->RowCount() - 1, lines.size());
    for (int r = 1; r < table->RowCount(); ++r) {
        const QStringList fields = lines[r - 1].split(QLatin1Char(','));
        EXPECT_EQ(table->DisplayText(1, r), QStringLiteral("Chicago Ohare Intl Ap"));
        for (const auto& [name, value] : columns) {
            const double expected = value(fields);
            if (std::isnan(expected))
                EXPECT_EQ(Cell(*table, name, r), NoValue) << name << " row " << r;
            else
                EXPECT_FLOAT_EQ(Cell(*table, name, r), float(expected)) << name << " row " << r;
        }
    }
}

TEST_F(EpwFileTest, DailyExtremesComeFromTheWholeCalendarDay)
{
    std::map<QString, std::pair<double, double>> days;
    for (const QString& line : ExcerptLines().mid(8)) {
        const QStringList f = line.split(QLatin1Char(','));
        const double t = f[6].toDouble();
        auto [at, added] = days.try_emplace(f[2], t, t);
        at->second = {std::max(at->second.first, t), std::min(at->second.second, t)};
    }
    ASSERT_EQ(days.size(), 3u);
    const TTable* table = Open(Excerpt);
    ASSERT_NE(table, nullptr);
    for (int r = 1; r < table->RowCount(); ++r) {
        const auto [tmax, tmin] = days.at(table->DisplayText(table->ColumnIndexOf(u"day"), r));
        EXPECT_FLOAT_EQ(Cell(*table, "tmax", r), float(tmax)) << r;
        EXPECT_FLOAT_EQ(Cell(*table, "tmin", r), float(tmin)) << r;
    }
}

TEST_F(EpwFileTest, MissingValueCodesLeaveCellsEmpty)
{
    struct Case
    {
        int field;   // 0-based
        const char* code;
        QStringList empty;   // the columns left empty in the first row
    };
    const Case cases[] = {
        {6, "99.9", {"t"}},         {7, "99.9", {"td"}},    {8, "999", {"f"}},
        {9, "999999", {"p"}},       {13, "9999", {"Kdir"}}, {15, "9999", {"Kdir", "Kdif"}},
        {21, "999", {"v10m", "v"}}, {22, "99", {"N8"}},     {24, "9999", {"vis"}},
        {30, "999", {"snow"}},      {33, "999", {"prec"}},  {6, "", {"t"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(QStringLiteral("field %1 = %2").arg(test.field).arg(QLatin1StringView(test.code)).toStdString());
        const QString path = Variant([&test](QStringList& lines) {
            QStringList fields = lines[8].split(QLatin1Char(','));
            fields[test.field] = QLatin1StringView(test.code);
            lines[8] = fields.join(QLatin1Char(','));
        });
        const TTable* table = Open(path);
        ASSERT_NE(table, nullptr);
        for (int c = 2; c < table->ColCount(); ++c) {
            const bool empty = test.empty.contains(table->HeaderText(c)) || table->HeaderText(c) == u"prec";
            EXPECT_EQ(table->CellNumber(c, 1) == NoValue, empty) << table->HeaderText(c).toStdString();
        }
    }
}

TEST_F(EpwFileTest, BrokenFilesNameTheLineAndLeaveTheTableAlone)
{
    struct Case
    {
        std::function<void(QStringList&)> change;
        QString message;
    };
    const QString line = QStringLiteral("Plik %1, wiersz ").arg(home.Path(QStringLiteral("variant.epw")));
    const Case cases[] = {
        {[](QStringList& l) { l = l.mid(0, 5); },
         QStringLiteral("Plik %1 kończy się w wierszu 5, zanim zaczynają się dane godzinowe !")
             .arg(home.Path(QStringLiteral("variant.epw")))},
        {[](QStringList& l) { l = l.mid(0, 56); },
         QStringLiteral("Plik %1 urywa się w wierszu 56: ma 48 z 72 wierszy godzinowych, które zapowiada wiersz DATA "
                        "PERIODS !")
             .arg(home.Path(QStringLiteral("variant.epw")))},
        {[](QStringList& l) { l.last().truncate(60); }, line + QStringLiteral("80: liczba pól 6 zamiast 35 !")},
        {[](QStringList& l) { l[11] += QStringLiteral(",0"); },
         line + QStringLiteral("12: liczba pól 36 zamiast 35 !")},
        {[](QStringList& l) { l[9].replace(QStringLiteral(",1.7,"), QStringLiteral(",1.7a,")); },
         line + QStringLiteral("10: pole 7 (Dry Bulb Temperature) ma niepoprawną wartość „1.7a” !")},
        {[](QStringList& l) { l[9].replace(QStringLiteral("1985,3,31,2,"), QStringLiteral("1985,3,31,25,")); },
         line + QStringLiteral("10: pole 4 (Hour) ma niepoprawną wartość „25” !")},
        {[](QStringList& l) { l[0] = QStringLiteral("LOCATION,Chicago Ohare Intl Ap,IL,USA,TMY3,725300"); },
         line + QStringLiteral("1: wiersz LOCATION nie podaje szerokości geograficznej !")},
    };
    TTable& current = *tables.NewTable();
    ui.loadOptions = LoadOptions{LoadMode::AppendRows, QString(), QString()};
    for (const Case& test : cases) {
        ui.messages.clear();
        EXPECT_EQ(Open(Variant(test.change), &current), nullptr);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, test.message);
    }
    EXPECT_TRUE(ui.requests.empty());
    EXPECT_EQ(tables.Count(), 1);
    EXPECT_EQ(current.RowCount(), 2);
    EXPECT_EQ(current.ColCount(), 2);
    EXPECT_FALSE(current.Modified());
}

TEST_F(EpwFileTest, IntoAnOpenTableOnlyTheModeIsAsked)
{
    TTable* table = Open(Excerpt);
    ASSERT_NE(table, nullptr);
    ui.loadOptions = LoadOptions{LoadMode::Replace, QString(), QString()};
    EXPECT_EQ(Open(Excerpt, table), nullptr);   // replacing not confirmed
    EXPECT_EQ(ui.questions.size(), 1u);
    ui.loadOptions->mode = LoadMode::AppendRows;
    EXPECT_EQ(Open(Excerpt, table), table);
    EXPECT_EQ(table->RowCount() - 1, 2 * 72);
    ASSERT_EQ(ui.requests.size(), 2u);
    EXPECT_TRUE(ui.requests[1].fixedFormat);
    EXPECT_EQ(tables.Count(), 1);
}

}   // namespace
