#include "core/indices/Suitability.h"

#include "core/base/FileError.h"
#include "core/base/TextCodec.h"
#include "core/indices/Weather.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <array>
#include <atomic>
#include <cmath>
#include <mutex>
#include <optional>

namespace {

constexpr int ScoreCount = 5;

FileError CannotOpen(const QString& path)
{
    return FileError(QCoreApplication::translate("Suitability", "Nie mogę otworzyć pliku %1 !").arg(path));
}

// A decimal integer after optional leading white space, with nothing after its digits; nothing
// for any other text, or for a number too long for an int.
std::optional<int> WholeInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype firstDigit = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    if (i == firstDigit || i != text.size())
        return std::nullopt;
    bool ok = false;
    const int n = text.sliced(start).toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

}   // namespace

// The scores of every weather type for the five activities; −1: no score. Rows evaluated on
// several threads load the table once, under the guard.
struct TSuitabilityScores
{
    std::array<std::array<std::int8_t, ScoreCount>, WeatherTypeCount> Rows;
    std::atomic<bool> Loaded = false;
    std::mutex Guard;
};

TData_WSI_base::TData_WSI_base(const DataManager& owner, QString shortName, int id, std::uint8_t column)
    : TAbstractData(owner, std::move(shortName), id, true), Column(column)
{
    // Kinds are created in identifier order: WSI_SB comes first and the others find it.
    if (id == kind::WSI_SB)
        m_scores = std::make_shared<TSuitabilityScores>();
    else
        m_scores = dynamic_cast<const TData_WSI_base&>(Kind(kind::WSI_SB)).m_scores;
}

void TData_WSI_base::LoadSuitabilityTable() const
{
    for (auto& row : m_scores->Rows)
        row.fill(-1);
    const QString path = QDir(Owner.ProgramDirectory()).filePath(QStringLiteral("WSI.INI"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CannotOpen(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw CannotOpen(path);
    const QString text = DecodeText(bytes);
    for (const QStringView line : SplitLines(text)) {
        TWeatherCode code;
        qsizetype position = 1;
        if (!ParseWeatherCode(code, line, position))
            continue;   // comments and malformed lines
        const int index = WeatherTypeIndex(code);
        if (index < 0 || index >= WeatherTypeCount)
            continue;
        // Up to five score characters, each after optional separators; only 0, 1 and 3 are scores,
        // any other character takes its place without storing one.
        for (int k = 0; k < ScoreCount; ++k) {
            while (position <= line.size() && IsWeatherSeparator(line[position - 1]))
                ++position;
            if (position > line.size())
                break;
            const QChar c = line[position++ - 1];
            if (c == u'0' || c == u'1' || c == u'3')
                m_scores->Rows[std::size_t(index)][std::size_t(k)] = std::int8_t(c.unicode() - u'0');
        }
    }
}

float TData_WSI_base::Compute(EvaluationState& row) const
{
    const float weather = row.Input(kind::Weather);   // the packed weather-type code
    if (weather == NoValue)
        return NoValue;
    // A value that is no weather type (a configured default, a pasted number) has no score and
    // needs no table.
    const int index = WeatherTypeIndex(TWeatherCode::FromValue(weather));
    if (index < 0 || index >= WeatherTypeCount)
        return NoValue;
    if (!m_scores->Loaded) {
        const std::scoped_lock lock(m_scores->Guard);
        if (!m_scores->Loaded) {
            LoadSuitabilityTable();
            m_scores->Loaded = true;
        }
    }
    const std::int8_t score = m_scores->Rows[std::size_t(index)][Column];
    return score < 0 ? NoValue : float(score);
}

ShownText TData_WSI_base::SetCellFromText(TCellData& cell, QStringView text)
{
    const std::optional<int> score = WholeInteger(text);
    if (!score) {
        cell.Number = NoValue;
        cell.NoValidValue = 1;
        return ShownText::Text(text.toString());
    }
    return StoreScore(cell, *score);
}

ShownText TData_WSI_base::SetCellValue(TCellData& cell, float value)
{
    if (value == NoValue) {
        cell.Number = NoValue;
        cell.NoValidValue = 1;
        cell.RangeState = 0;
        return ShownText();
    }
    return StoreScore(cell, std::trunc(Real(value) + 0.1));
}

ShownText TData_WSI_base::StoreScore(TCellData& cell, Real score)
{
    cell.Number = float(score);
    cell.NoValidValue = 0;
    cell.RangeState = score == 0 || score == 1 || score == 3 ? 0 : 1;
    return FormatValue(cell.Number);
}
