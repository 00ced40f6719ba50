// WSI.INI read from a fuzzed file, then the five suitability scores of the weather types its lines
// name and of a few others.

#include "FuzzSupport.h"

#include "core/base/TextCodec.h"
#include "core/data/DataManager.h"
#include "core/data/EvaluationState.h"
#include "core/indices/KindFactory.h"
#include "core/indices/Suitability.h"
#include "core/indices/Weather.h"

#include <QDir>

namespace {

struct Fixture
{
    QString directory = Scratch().Path(QStringLiteral("wsi"));
    bool made = QDir().mkpath(directory);
    DataManager kinds{CreateKind, Scratch().IniPath(), QStringLiteral("PL"), directory};
};

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Fixture fixture;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Scratch().Write(QStringLiteral("wsi/WSI.INI"), bytes);
    DataManager& kinds = fixture.kinds;
    auto& suitability = dynamic_cast<TData_WSI_base&>(*kinds.GetById(kind::WSI_SB));
    suitability.LoadSuitabilityTable();

    std::vector<TWeatherCode> codes = {TWeatherCode(0), TWeatherCode(0x1fff), TWeatherCode(0x14)};
    const QString text = DecodeText(bytes);
    for (const QStringView line : SplitLines(text)) {
        TWeatherCode code;
        qsizetype position = 1;
        if (ParseWeatherCode(code, line, position))
            codes.push_back(code);
    }
    EvaluationState row(kinds);
    for (const TWeatherCode code : codes) {
        row.ResetAll();
        row.SetFromSource(kind::Weather, code.ToValue());
        for (int id = kind::WSI_SB; id <= kind::WSI_ST; ++id) {
            const float score = row.Input(id);
            FUZZ_CHECK(score == NoValue || score == 0 || score == 1 || score == 3);
            if (WeatherTypeIndex(code) < 0)
                FUZZ_CHECK(score == NoValue);
        }
    }
    return 0;
}
