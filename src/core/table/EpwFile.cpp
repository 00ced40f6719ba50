#include "core/table/EpwFile.h"

#include "core/base/Catalogue.h"
#include "core/base/NumberText.h"
#include "core/base/TextCodec.h"
#include "core/data/AbstractData.h"
#include "core/data/DataManager.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <tuple>

namespace {

// The texts of this file, translated in the context "EpwFile".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(EpwFile)
};

constexpr int FieldCount = 35;
constexpr double Missing = std::numeric_limits<double>::quiet_NaN();

// The fields of an hour's line that are read.
enum Field
{
    Year,
    Month,
    Day,
    Hour,
    DryBulb,
    DewPoint,
    Humidity,
    Pressure,
    Global,
    Diffuse,
    Wind,
    SkyCover,
    Visibility,
    SnowDepth,
    Precipitation,
    FieldsRead
};

struct FieldSpec
{
    int number;   // 1-based position in the line
    const char* name;
    // Values from this code up stand for a missing value (the format's codes: 99.9, 999, 9999,
    // 999999 …); 0 for the date fields, which must be whole numbers from 1 to `largest`.
    double missingCode;
    double largest = 0;
};

constexpr std::array<FieldSpec, FieldsRead> Fields = {{
    {1, "Year", 0, 9999},
    {2, "Month", 0, 12},
    {3, "Day", 0, 31},
    {4, "Hour", 0, 24},
    {7, "Dry Bulb Temperature", 99.9},              // °C
    {8, "Dew Point Temperature", 99.9},             // °C
    {9, "Relative Humidity", 999},                  // %
    {10, "Atmospheric Station Pressure", 999999},   // Pa
    {14, "Global Horizontal Radiation", 9999},      // Wh/m² over the hour, i.e. its mean in W/m²
    {16, "Diffuse Horizontal Radiation", 9999},     // Wh/m²
    {22, "Wind Speed", 999},                        // m/s at 10 m
    {23, "Total Sky Cover", 99},                    // tenths
    {25, "Visibility", 9999},                       // km
    {31, "Snow Depth", 999},                        // cm
    {34, "Liquid Precipitation Depth", 999},        // mm
}};

using Values = std::array<double, FieldsRead>;

// The columns after the station's, in order.
enum Column
{
    cMonth,
    cDay,
    cHour,
    cMin,
    cLat,
    cT,
    cTd,
    cF,
    cP,
    cV10m,
    cV,
    cN8,
    cKdir,
    cKdif,
    cVis,
    cPrec,
    cSnow,
    cTmax,
    cTmin,
    ColumnCount
};

constexpr std::array<int, ColumnCount> ColumnKinds = {kind::month, kind::day,  kind::hour, kind::min,  kind::lat,
                                                      kind::t,     kind::td,   kind::f,    kind::p,    kind::v10m,
                                                      kind::v,     kind::N8,   kind::Kdir, kind::Kdif, kind::vis,
                                                      kind::prec,  kind::snow, kind::tmax, kind::tmin};

using Row = std::array<double, ColumnCount>;

// A field as a number (the format writes them with a point); nothing when it is not one.
std::optional<double> Number(QStringView field)
{
    bool ok = false;
    const double value = TrimControl(field).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A latitude in decimal degrees written as degrees.minutes, the form the kind lat takes:
// 41.98° is 41° 58.8′, written 41.588.
double DegreesMinutes(double degrees)
{
    const double whole = std::trunc(degrees);
    return whole + (degrees - whole) * 0.6;
}

// One hour's columns (NaN: missing); tmax and tmin come later, from the whole day.
Row Convert(const Values& x, double latitude)
{
    Row row;
    row[cMonth] = x[Month];
    row[cDay] = x[Day];
    // The line describes the hour ending at its hour field; its middle is taken for the sun.
    row[cHour] = x[Hour] - 1;
    row[cMin] = 30;
    row[cLat] = DegreesMinutes(latitude);
    row[cT] = x[DryBulb];
    row[cTd] = x[DewPoint];
    row[cF] = x[Humidity];
    row[cP] = x[Pressure] / 100;   // Pa → hPa
    row[cV10m] = x[Wind];
    // At a person's height: the ratio of the 10 m wind to it that the wind chill temperature uses.
    row[cV] = x[Wind] / 1.5;
    row[cN8] = std::round(x[SkyCover] * 0.8);   // tenths → oktas
    // Direct on the horizontal = global − diffuse; a missing one leaves it missing (NaN < 0 is false).
    const double direct = x[Global] - x[Diffuse];
    row[cKdir] = direct < 0 ? 0 : direct;
    row[cKdif] = x[Diffuse];
    row[cVis] = x[Visibility] * 1000;   // km → m
    row[cPrec] = x[Precipitation];
    row[cSnow] = x[SnowDepth];
    row[cTmax] = row[cTmin] = Missing;
    return row;
}

// The day of the year, in a year of 365 days, of a date written month/day (a year after it is
// ignored); nothing when it is not such a date.
std::optional<int> DayOfYear(QStringView date)
{
    constexpr std::array<int, 12> DaysBefore = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const QList<QStringView> parts = date.split(QLatin1Char('/'));
    const std::optional<double> month = parts.size() >= 2 ? Number(parts[0]) : std::nullopt;
    const std::optional<double> day = parts.size() >= 2 ? Number(parts[1]) : std::nullopt;
    if (!month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31)
        return std::nullopt;
    return DaysBefore[std::size_t(*month - 1)] + int(*day);
}

// The hours the DATA PERIODS line announces: "DATA PERIODS", the number of periods, the records per
// hour, then for each period its name, first weekday, first and last date. A leap day is not
// counted; 0 when the line cannot be read.
int AnnouncedRows(QStringView line)
{
    std::vector<QStringView> fields;
    SplitFields(line, QLatin1Char(','), fields);
    const std::optional<double> periods = fields.size() > 2 ? Number(fields[1]) : std::nullopt;
    const std::optional<double> perHour = fields.size() > 2 ? Number(fields[2]) : std::nullopt;
    if (!periods || !perHour || *periods < 1 || *perHour < 1 || *perHour > 60
        || double(fields.size()) < 3 + 4 * *periods)
        return 0;
    int days = 0;
    for (std::size_t i = 0; i < std::size_t(*periods); ++i) {
        const std::optional<int> first = DayOfYear(fields[3 + 4 * i + 2]);
        const std::optional<int> last = DayOfYear(fields[3 + 4 * i + 3]);
        if (!first || !last)
            return 0;
        days += *last >= *first ? *last - *first + 1 : 365 - *first + 1 + *last;   // across the new year
    }
    return days * 24 * int(*perHour);
}

QString LinePlace(const QString& path, int index)
{
    return Texts::tr("Plik %1, wiersz %2: ").arg(path).arg(index + 1);
}

// The fields read from an hour's line; nothing, with the message in `error`, when the line is broken.
std::optional<Values> ReadHour(const QString& path, int index, QStringView line, QString& error)
{
    std::vector<QStringView> fields;
    SplitFields(line, QLatin1Char(','), fields);
    if (int(fields.size()) != FieldCount) {
        error = LinePlace(path, index) + Texts::tr("liczba pól %1 zamiast %2 !").arg(fields.size()).arg(FieldCount);
        return std::nullopt;
    }
    Values values;
    for (int i = 0; i < FieldsRead; ++i) {
        const FieldSpec& spec = Fields[std::size_t(i)];
        const QStringView text = TrimControl(fields[std::size_t(spec.number - 1)]);
        const std::optional<double> value = Number(text);
        const bool date = spec.missingCode == 0;
        const bool validDate = value && *value == std::trunc(*value) && *value >= 1 && *value <= spec.largest;
        if ((date && !validDate) || (!date && !value && !text.isEmpty())) {
            error = LinePlace(path, index)
                + Texts::tr("pole %1 (%2) ma niepoprawną wartość „%3” !")
                      .arg(spec.number)
                      .arg(QLatin1StringView(spec.name), text.left(40).toString());
            return std::nullopt;
        }
        values[std::size_t(i)] = value && (date || *value < spec.missingCode) ? *value : Missing;
    }
    return values;
}

// The maximum and minimum of t of each calendar day into its rows.
void DailyExtremes(std::vector<Row>& rows, const std::vector<int>& years)
{
    std::map<std::tuple<int, int, int>, std::pair<double, double>> days;
    const auto day = [&](std::size_t i) { return std::tuple(years[i], int(rows[i][cMonth]), int(rows[i][cDay])); };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double t = rows[i][cT];
        if (std::isnan(t))
            continue;
        const auto [at, added] = days.try_emplace(day(i), t, t);
        at->second = {std::max(at->second.first, t), std::min(at->second.second, t)};
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (const auto found = days.find(day(i)); found != days.end())
            std::tie(rows[i][cTmax], rows[i][cTmin]) = found->second;
}

QString MonthDay(const Row& row)
{
    return QStringLiteral("%1-%2")
        .arg(int(row[cMonth]), 2, 10, QLatin1Char('0'))
        .arg(int(row[cDay]), 2, 10, QLatin1Char('0'));
}

}   // namespace

bool IsEpwLocationLine(QByteArrayView line)
{
    return line.startsWith("LOCATION,");
}

std::optional<EpwText> ReadEpwFile(const QString& path, const std::vector<QStringView>& lines, const DataManager& kinds,
                                   QString& error)
{
    int index = 0;
    while (index < int(lines.size()) && lines[std::size_t(index)].isEmpty())
        ++index;
    std::vector<QStringView> location;
    SplitFields(lines[std::size_t(index)], QLatin1Char(','), location);
    const std::optional<double> latitude = location.size() > 6 ? Number(location[6]) : std::nullopt;
    if (!latitude || std::abs(*latitude) > 90) {
        error = LinePlace(path, index) + Texts::tr("wiersz LOCATION nie podaje szerokości geograficznej !");
        return std::nullopt;
    }
    // The hours follow the DATA PERIODS line.
    while (index < int(lines.size()) && !lines[std::size_t(index)].startsWith(u"DATA PERIODS"))
        ++index;
    const int announced = index < int(lines.size()) ? AnnouncedRows(lines[std::size_t(index)]) : 0;
    std::vector<Row> rows;
    std::vector<int> years;
    int last = index;   // the last line that is not empty
    for (++index; index < int(lines.size()); ++index) {
        if (TrimControl(lines[std::size_t(index)]).isEmpty())
            continue;
        const std::optional<Values> hour = ReadHour(path, index, lines[std::size_t(index)], error);
        if (!hour)
            return std::nullopt;
        rows.push_back(Convert(*hour, *latitude));
        years.push_back(int((*hour)[Year]));
        last = index;
    }
    if (rows.empty()) {
        last = std::min(last, int(lines.size()) - 1);
        while (last > 0 && TrimControl(lines[std::size_t(last)]).isEmpty())
            --last;
        error = Texts::tr("Plik %1 kończy się w wierszu %2, zanim zaczynają się dane godzinowe !")
                    .arg(path)
                    .arg(last + 1);
        return std::nullopt;
    }
    if (int(rows.size()) < announced) {
        error = Texts::tr("Plik %1 urywa się w wierszu %2: ma %3 z %4 wierszy godzinowych, które zapowiada "
                          "wiersz DATA PERIODS !")
                    .arg(path)
                    .arg(last + 1)
                    .arg(rows.size())
                    .arg(announced);
        return std::nullopt;
    }
    DailyExtremes(rows, years);

    const auto field = [&location](std::size_t i) {
        return i < location.size() ? TrimControl(location[i]).toString() : QString();
    };
    QString station = field(1);
    station.replace(QLatin1Char('\t'), QLatin1Char(' '));
    EpwText epw;
    QString text = QStringLiteral("station");
    for (const int id : ColumnKinds)
        text += QLatin1Char('\t') + kinds.GetById(id)->Name;
    std::array<int, ColumnCount> missing{};
    for (const Row& row : rows) {
        text += QLatin1Char('\n') + station;
        for (int c = 0; c < ColumnCount; ++c) {
            text += QLatin1Char('\t');
            if (std::isnan(row[std::size_t(c)]))
                ++missing[std::size_t(c)];
            else
                text += QString::number(row[std::size_t(c)], 'g', 10);
        }
    }
    epw.file.text = text.toUtf8();
    epw.file.lines = SplitLines(epw.file.text);

    QStringList place;
    for (std::size_t i : {1, 2, 3})
        if (!field(i).isEmpty())
            place << field(i);
    QStringList gaps;
    for (int c = 0; c < ColumnCount; ++c)
        if (missing[std::size_t(c)] > 0)
            gaps << QStringLiteral("%1 %2")
                        .arg(kinds.GetById(ColumnKinds[std::size_t(c)])->Name)
                        .arg(missing[std::size_t(c)]);
    epw.report = Texts::tr("Stacja %1: szerokość %2°, długość %3°, wysokość %4 m; okres %5 – %6; wczytane wiersze: %7; "
                           "brakujące wartości: %8")
                     .arg(place.join(QStringLiteral(", ")), field(6), field(7), field(9), MonthDay(rows.front()),
                          MonthDay(rows.back()), QString::number(rows.size()),
                          gaps.isEmpty() ? Texts::tr("brak") : gaps.join(QStringLiteral(", ")));
    return epw;
}
