// Every data kind built from a fuzzed SALVENTO.INI: each asked for its configuration, formatting
// and classes, a row calculated with the configured defaults and typical values, and one changed
// option written back into the file and read again.

#include "FuzzSupport.h"

#include "core/base/FileError.h"
#include "core/data/DataManager.h"
#include "core/data/EvaluationState.h"
#include "core/indices/KindFactory.h"

#include <QStringList>

#include <array>
#include <cmath>

namespace {

void AskEveryKind(DataManager& kinds)
{
    QStringList names;
    kinds.AddAllNames(names);
    FUZZ_CHECK(names.size() == kind::ListedCount);
    std::vector<float> thresholds;
    for (int id = 0; id < kind::Count; ++id) {
        TAbstractData& data = *kinds.GetById(id);
        data.ThresholdValues(thresholds);
        for (const float value :
             {0.0f, -1.5f, 12.25f, 1e30f, NoValue, data.DefaultValue, data.TypicalValue, data.Minimum, data.Maximum}) {
            data.FormatValue(value);
            const int index = data.ClassIndex(value);
            FUZZ_CHECK(index >= int(data.Thresholds.empty() ? -1 : 0) && index < int(data.Thresholds.size()));
            data.ClassName(value);
            TCellData cell;
            data.SetCellValue(cell, value);
        }
        for (const float value : thresholds) {
            data.FormatValue(value);
            data.ClassName(value);
        }
        TCellData cell;
        data.SetCellFromText(cell, data.Name);
        if (id < kind::ListedCount)
            FUZZ_CHECK(kinds.FindByName(data.Name) != nullptr);
    }
}

void CalculateRow(DataManager& kinds)
{
    KindFlags have{};
    for (int id = 0; id < kind::FirstComputed; ++id)
        have[std::size_t(id)] = true;
    KindFlags possible{};
    try {
        kinds.ComputePossible(have, possible);
        EvaluationState row(kinds);
        row.ResetAll();
        for (int id = 0; id < kind::FirstComputed; ++id)
            row.SetFromSource(id, kinds.GetById(id)->TypicalValue);
        for (int id = kind::FirstComputed; id < kind::Count; ++id)
            row.Input(id);
    } catch (const FileError&) {
        // The calculation reports an unreadable WSI.INI to the user; the fuzzed one always is there.
    }
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    static const std::array<QString, 3> languages = {QStringLiteral("PL"), QStringLiteral("EN"), QString()};
    const QString language = languages[std::size_t(input.Choice(3))];
    const int changed = input.Choice(kind::Count);
    const int option = input.Choice(4);
    const QString path = Scratch().Path(QStringLiteral("fuzzed.ini"));
    Scratch().Write(QStringLiteral("fuzzed.ini"), input.Rest());
    {
        DataManager kinds(CreateKind, path, language, Scratch().Path(QString()));
        AskEveryKind(kinds);
        CalculateRow(kinds);
        TAbstractData& kind = *kinds.GetById(changed);
        kind.SetDualOption(SourceOrFormula(option));
        ScriptedUi ui;
        FUZZ_CHECK(kinds.SaveConfiguration(ui));
    }
    // The option was written into the file as the user set it, whatever else the file holds.
    DataManager kinds(CreateKind, path, language, Scratch().Path(QString()));
    FUZZ_CHECK(kinds.GetById(changed)->DualOption == SourceOrFormula(option));
    return 0;
}
