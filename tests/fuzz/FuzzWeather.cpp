// The weather-type text: read from any position of a text, stored in a cell of the Weather and
// strain kinds, and shown again; and the weather-type index of any code word. A weather type shown
// as text reads back as the same code.

#include "FuzzSupport.h"

#include "core/data/DataManager.h"
#include "core/indices/Weather.h"

#include <cstring>

namespace {

// A code that is a weather type is shown as a text that reads back as the same code.
void CheckShown(TWeatherCode code)
{
    const int index = WeatherTypeIndex(code);
    FUZZ_CHECK(index >= -1 && index < WeatherTypeCount);
    const TAbstractData& weather = *ShippedKinds().GetById(kind::Weather);
    const QString shown = weather.FormatValue(code.ToValue()).Resolve(code.ToValue());
    if (index < 0)
        return;
    TWeatherCode read;
    qsizetype position = 1;
    FUZZ_CHECK(ParseWeatherCode(read, shown, position));
    FUZZ_CHECK(read.Bits() == code.Bits());
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    DecimalSeparator = input.Flag() ? QChar(u',') : QChar(u'.');
    const int start = input.Choice(8) + 1;
    const QByteArray bits = input.Bytes(sizeof(std::uint32_t));
    const QString text = QString::fromUtf8(input.Rest());

    if (start <= text.size() + 1) {
        TWeatherCode code;
        qsizetype position = start;
        if (ParseWeatherCode(code, text, position)) {
            FUZZ_CHECK(position > start && position <= text.size() + 1);
            FUZZ_CHECK(WeatherTypeIndex(code) >= 0);
            CheckShown(code);
        }
    }
    for (const int id : {kind::Weather, kind::W_Strain}) {
        TAbstractData& data = *ShippedKinds().GetById(id);
        TCellData cell;
        const QString shown = data.SetCellFromText(cell, text).Resolve(cell.Number);
        if (id == kind::Weather && !cell.NoValidValue && cell.RangeState == 0)
            CheckShown(TWeatherCode::FromValue(cell.Number));
        data.SetCellFromText(cell, shown);
    }
    if (bits.size() == sizeof(std::uint32_t)) {
        std::uint32_t word;
        std::memcpy(&word, bits.constData(), sizeof word);
        CheckShown(TWeatherCode(word));
    }
    return 0;
}
