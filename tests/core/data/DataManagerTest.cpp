#include "support/TestSupport.h"

#include "core/data/DataManager.h"
#include "core/data/EvaluationState.h"
#include "core/indices/KindFactory.h"
#include "core/settings/IniFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QByteArray Config = R"(; test configuration
[Defaults]
M=135
[Typicals]
t=20.5
v=2
[Minima]
t=-90
f=0
[Maxima]
t=60
[Names]
N8=N
[DescriptionsPL]
t=Temperatura powietrza [°C]
[DescriptionsEN]
t=Air temperature [°C]
[ThresholdsNamesPL]
sex=mężczyzna,kobieta
[Thresholds]
sex=0.5
[DualOptions]
WBGT=1
UTCI=abc
)";

TEST(Catalogue, IdentifiersMatchTheShortNames)
{
    const std::vector<std::pair<int, const char*>> named = {{kind::t, "t"},
                                                            {kind::vis, "vis"},
                                                            {kind::Tg, "Tg"},
                                                            {kind::WBGT, "WBGT"},
                                                            {kind::mS, "mS"},
                                                            {kind::Mrt, "Mrt"},
                                                            {kind::PMV, "PMV"},
                                                            {kind::W_Strain, "W_Strain"},
                                                            {kind::Weather, "Weather"},
                                                            {kind::WSI_ST, "WSI_ST"},
                                                            {kind::UTCI, "UTCI"},
                                                            {kind::Ereq, "Ereq"},
                                                            {kind::LgLa, "LgLa"},
                                                            {kind::mS_w, "mS_w"}};
    for (const auto& [id, name] : named)
        EXPECT_STREQ(KindCatalogue[std::size_t(id)].ShortName, name);
    const int integers = int(std::count_if(KindCatalogue.begin(), KindCatalogue.end(),
                                           [](const TKindEntry& entry) { return entry.IsInteger; }));
    EXPECT_EQ(integers, 21);
}

TEST(DataManager, CreatesEveryKindWithItsConfiguration)
{
    TempHome home(Config);
    DataManager kinds(CreateKind, home.IniPath(), QStringLiteral("PL"));
    for (int id = 0; id < kind::Count; ++id) {
        ASSERT_NE(kinds.GetById(id), nullptr);
        EXPECT_EQ(kinds.GetById(id)->Id, id);
    }
    EXPECT_EQ(kinds.GetById(-1), nullptr);
    EXPECT_EQ(kinds.GetById(108), nullptr);
    EXPECT_EQ(kinds.GetById(107)->ShortName, QStringLiteral("mS_w"));

    const TAbstractData& t = *kinds.GetById(kind::t);
    EXPECT_EQ(t.TypicalValue, 20.5f);
    EXPECT_EQ(t.Minimum, -90.0f);
    EXPECT_EQ(t.Maximum, 60.0f);
    EXPECT_EQ(t.DefaultValue, NoValue);
    EXPECT_EQ(t.Description, QStringLiteral("Temperatura powietrza [°C]"));
    EXPECT_EQ(t.DualOption, SourceOrFormula::SourceElseFormula);
    EXPECT_EQ(kinds.GetById(kind::M)->DefaultValue, 135.0f);
    EXPECT_EQ(kinds.GetById(kind::N8)->Name, QStringLiteral("N"));
    EXPECT_EQ(kinds.GetById(kind::WBGT)->DualOption, SourceOrFormula::Formula);
    EXPECT_EQ(kinds.GetById(kind::UTCI)->DualOption, SourceOrFormula(0));   // not a number: 0, which never computes

    const TAbstractData& sex = *kinds.GetById(kind::sex);
    EXPECT_TRUE(sex.ShowClasses);
    EXPECT_EQ(FormatFor(&sex, 1.0f), QStringLiteral("kobieta (1)"));
    EXPECT_TRUE(kinds.GetById(kind::DhRa)->ShowClasses);
    EXPECT_TRUE(kinds.GetById(kind::Weather)->IsTextual);
    EXPECT_TRUE(kinds.GetById(kind::W_Strain)->IsTextual);
    EXPECT_FALSE(kinds.GetById(kind::UTCI)->IsTextual);
    EXPECT_TRUE(kinds.GetById(kind::N8)->IsInteger);

    DataManager english(CreateKind, home.IniPath(), QStringLiteral("EN"));
    EXPECT_EQ(english.GetById(kind::t)->Description, QStringLiteral("Air temperature [°C]"));
    EXPECT_EQ(english.GetById(kind::sex)->Thresholds.size(), 0u);   // no English class names configured
}

TEST(DataManager, MissingIniGivesInitialValues)
{
    TempHome home;
    DataManager kinds(CreateKind, home.IniPath(), QStringLiteral("PL"));
    const TAbstractData& t = *kinds.GetById(kind::t);
    EXPECT_EQ(t.Name, QStringLiteral("t"));
    EXPECT_EQ(t.Minimum, NoValue);
    EXPECT_TRUE(t.Description.isEmpty());
    EXPECT_TRUE(kinds.GetById(kind::sex)->Thresholds.empty());
}

TEST(DataManager, FindsListedKindsByNameIgnoringCase)
{
    TempHome home(Config);
    DataManager kinds(CreateKind, home.IniPath(), QStringLiteral("PL"));
    EXPECT_EQ(kinds.FindByName(u"utci"), kinds.GetById(kind::UTCI));
    EXPECT_EQ(kinds.FindByName(u"n"), kinds.GetById(kind::N8));   // the first of N8 (named N) and N
    EXPECT_EQ(kinds.FindByName(u"Ereq"), nullptr);
    EXPECT_EQ(kinds.FindByName(u"mS_w"), nullptr);
    EXPECT_EQ(kinds.FindByName(u""), nullptr);

    QStringList names;
    kinds.AddAllNames(names);
    ASSERT_EQ(names.size(), 95);
    EXPECT_EQ(names.first(), QStringLiteral("t"));
    EXPECT_EQ(names.last(), QStringLiteral("UTCI"));

    KindFlags flags{};
    kinds.MarkPresent({QStringLiteral("T"), QStringLiteral("wbgt"), QStringLiteral("station")}, flags);
    EXPECT_TRUE(flags[kind::t]);
    EXPECT_TRUE(flags[kind::WBGT]);
    EXPECT_EQ(std::count(flags.begin(), flags.end(), true), 2);
    QStringList present;
    kinds.AddNamesWhere(present, flags);
    EXPECT_EQ(present, (QStringList{QStringLiteral("t"), QStringLiteral("WBGT")}));
}

TEST(DataManager, WritesBackWhatChangedAtTheEnd)
{
    TempHome home(Config);
    {
        DataManager kinds(CreateKind, home.IniPath(), QStringLiteral("PL"));
        TAbstractData& t = *kinds.GetById(kind::t);
        t.SetName(QStringLiteral("Ta"));
        EXPECT_EQ(kinds.FindByName(u"t"), nullptr);
        EXPECT_EQ(kinds.FindByName(u"TA"), &t);
        t.SetMinimumFromText(u"");
        t.SetDefaultFromText(u"12.345");
        t.SetDescription(QStringLiteral("Temperatura"));
        kinds.GetById(kind::PMV)->SetDualOption(SourceOrFormula::Source);
        ScriptedUi ui;
        EXPECT_TRUE(kinds.SaveConfiguration(ui));
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_FALSE(t.IsChanged(KindSetting::Name));
    }
    const IniFile ini(home.IniPath());
    EXPECT_EQ(ini.ReadString(u"Names", u"t"), QStringLiteral("Ta"));
    EXPECT_EQ(ini.ReadString(u"Minima", u"t", QStringLiteral("absent")), QString());
    EXPECT_EQ(ini.ReadString(u"Defaults", u"t"), QStringLiteral("12.35"));
    EXPECT_EQ(ini.ReadString(u"DescriptionsPL", u"t"), QStringLiteral("Temperatura"));
    EXPECT_EQ(ini.ReadString(u"DescriptionsEN", u"t"), QStringLiteral("Air temperature [°C]"));
    EXPECT_EQ(ini.ReadInteger(u"DualOptions", u"PMV", 3), 4);
    EXPECT_EQ(ini.ReadString(u"Maxima", u"t"), QStringLiteral("60"));   // unchanged items are not rewritten
    EXPECT_TRUE(home.Read(QStringLiteral("SALVENTO.INI")).startsWith("; test configuration"));

    DataManager again(CreateKind, home.IniPath(), QStringLiteral("PL"));
    EXPECT_EQ(again.GetById(kind::t)->Minimum, NoValue);   // an empty minimum reads back as unbounded
    EXPECT_EQ(again.GetById(kind::t)->Name, QStringLiteral("Ta"));
}

TEST(DataManager, AFailedSaveIsReportedAndKeepsTheChangesForTheNextSave)
{
    TempHome home;
    const QString path = home.Path(QStringLiteral("missing/SALVENTO.INI"));   // a directory that is not there
    DataManager kinds(CreateKind, path, QStringLiteral("PL"));
    TAbstractData& t = *kinds.GetById(kind::t);
    ScriptedUi ui;
    EXPECT_TRUE(kinds.SaveConfiguration(ui));   // nothing changed: nothing written
    t.SetName(QStringLiteral("Ta"));
    EXPECT_FALSE(kinds.SaveConfiguration(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Błąd podczas zapisu do pliku %1 !").arg(path));
    EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Error);
    EXPECT_TRUE(t.IsChanged(KindSetting::Name));

    ASSERT_TRUE(QDir(home.Path(QString())).mkdir(QStringLiteral("missing")));
    EXPECT_TRUE(kinds.SaveConfiguration(ui));
    EXPECT_EQ(IniFile(path).ReadString(u"Names", u"t"), QStringLiteral("Ta"));
}

TEST(EvaluationState, ResetSnapshotAndRestore)
{
    TempHome home;
    DataManager kinds(CreateKind, home.IniPath(), QStringLiteral("PL"));
    EvaluationState row(kinds);
    KindState& wbgt = row.State(kind::WBGT);
    KindState& t = row.State(kind::t);
    KindState& esk = row.State(kind::esk);
    row.ResetAll();
    EXPECT_TRUE(esk.Ready);
    EXPECT_FALSE(esk.FromSource);

    t.Value = 20;
    wbgt.Value = 25;
    esk.Value = 3;
    EvaluationState::Snapshot snapshot{};
    row.SaveValues(snapshot);
    EXPECT_EQ(snapshot.size(), 85u);
    wbgt.Value = 1;
    esk.FromSource = true;
    row.ClearComputed();
    EXPECT_EQ(wbgt.Value, NoValue);
    EXPECT_EQ(esk.Value, 3.0f);   // taken from a source: kept
    EXPECT_EQ(t.Value, 20.0f);    // inputs are never cleared
    row.RestoreValues(snapshot);
    EXPECT_EQ(wbgt.Value, 25.0f);

    row.ResetAll();
    EXPECT_EQ(t.Value, NoValue);
    EXPECT_EQ(esk.Value, NoValue);
}

TEST(DataManager, PossibleIndicesComeFromDefaultsAndTypicals)
{
    TempHome home(QByteArray("[Defaults]\nWBGT=20\nWeather=1\n[Typicals]\nUTCI=20\n"));
    DataManager kinds(CreateKind, home.IniPath(), QStringLiteral("PL"));
    KindFlags have{};
    KindFlags possible{};
    have[kind::UTCI] = true;   // present in the data, but tested as if absent
    EXPECT_EQ(kinds.ComputePossible(have, possible), 7);
    EXPECT_TRUE(possible[kind::WBGT]);   // its default makes it computable
    EXPECT_TRUE(possible[kind::Weather]);
    for (int id = kind::WSI_SB; id <= kind::WSI_ST; ++id)
        EXPECT_TRUE(possible[std::size_t(id)]);   // the suitability indices follow the weather type
    EXPECT_FALSE(possible[kind::UTCI]);

    TempHome bare(QByteArray("[Typicals]\nWeather=5\n"));
    DataManager weather(CreateKind, bare.IniPath(), QStringLiteral("PL"));
    KindFlags onlyWeather{};
    onlyWeather[kind::Weather] = true;
    EXPECT_EQ(weather.ComputePossible(onlyWeather, possible), 5);
    EXPECT_FALSE(possible[kind::Weather]);
}

// Only a calculation of a suitability index reads WSI.INI: without the file, the trial still tells
// what the shipped configuration makes computable, the suitability indices as with the file.
TEST(DataManager, PossibleIndicesDoNotNeedTheSuitabilityScores)
{
    QFile shipped(QStringLiteral(SALVENTO_RESOURCES "/SALVENTO.INI"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    TempHome home(shipped.readAll());
    KindFlags have{};
    for (int id = 0; id < kind::FirstComputed; ++id)
        have[std::size_t(id)] = true;   // every observation, so the weather type too

    KindFlags without{};
    int countWithout = 0;
    {
        DataManager kinds(CreateKind, home.IniPath(), QStringLiteral("PL"), home.Path(QString()));
        ASSERT_NO_THROW(countWithout = kinds.ComputePossible(have, without));
    }
    EXPECT_TRUE(without[kind::UTCI]);
    EXPECT_TRUE(without[kind::Weather]);

    QFile scores(QStringLiteral(SALVENTO_RESOURCES "/WSI.INI"));
    ASSERT_TRUE(scores.open(QIODevice::ReadOnly));
    home.Write(QStringLiteral("WSI.INI"), scores.readAll());
    DataManager kinds(CreateKind, home.IniPath(), QStringLiteral("PL"), home.Path(QString()));
    KindFlags with{};
    EXPECT_EQ(kinds.ComputePossible(have, with), countWithout);
    EXPECT_EQ(with, without);
}

TEST(DataManager, CalculationLogOnlyWhenAsked)
{
    TempHome home;
    const QString log = home.Path(QStringLiteral("calc.log"));
    {
        DataManager quiet(CreateKind, home.IniPath(), QStringLiteral("PL"));
        EXPECT_FALSE(quiet.LogEnabled);
        quiet.LogNewRow();
    }
    EXPECT_FALSE(QFile::exists(log));

    qputenv("SALVENTO_CALC_LOG", log.toUtf8());
    {
        DataManager logging(CreateKind, home.IniPath(), QStringLiteral("PL"));
        EXPECT_TRUE(logging.LogEnabled);
        logging.LogNewRow();
        logging.LogCalculating(QStringLiteral("+-+-"));
    }
    qunsetenv("SALVENTO_CALC_LOG");
    EXPECT_EQ(home.Read(QStringLiteral("calc.log")),
              QByteArray("+++++++++++++++++++++ NEW ROW +++++++++++++++++++++\nCalculating +-+-\n"));
}

}   // namespace
