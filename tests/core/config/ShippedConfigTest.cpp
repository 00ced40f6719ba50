// The configuration that ships beside the program (resources/SALVENTO.INI), loaded as the program
// loads it: every data kind named and described, defaults and typical values inside their ranges,
// class lists well formed and the published scale boundaries landing in the right class.

#include "support/KindRow.h"

#include "core/base/CommaText.h"
#include "core/indices/KindFactory.h"
#include "core/settings/Options.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {

const QString Absent = QStringLiteral("<absent>");

QByteArray ShippedBytes()
{
    QFile file(QStringLiteral(SALVENTO_RESOURCES "/SALVENTO.INI"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped file in a scratch home, read with the interface in the given language.
struct Shipped
{
    explicit Shipped(const QString& language) : kinds(CreateKind, home.IniPath(), language, home.Path(QString())) { }

    TAbstractData& Kind(int id) { return *kinds.GetById(id); }
    QString Raw(const QString& section, int id) const
    {
        return kinds.Ini().ReadString(section, kinds.GetById(id)->ShortName, Absent);
    }

    TempHome home{ShippedBytes()};   // before the kinds, which read it
    DataManager kinds;
};

bool InRange(const TAbstractData& kind, float value)
{
    return (kind.Minimum == NoValue || value >= kind.Minimum) && (kind.Maximum == NoValue || value <= kind.Maximum);
}

QStringList ClassNames(const TAbstractData& kind)
{
    QStringList names;
    for (const TClassEntry& entry : kind.Thresholds)
        names.append(entry.Name);
    return names;
}

TEST(ShippedConfig, IsUtf8WithEverySectionAndKeyOnce)
{
    const QByteArray bytes = ShippedBytes();
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_FALSE(
        bytes.startsWith("\xEF\xBB\xBF"));   // a mark before the first section hides nothing, but is not needed
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    ASSERT_FALSE(utf8.hasError());   // otherwise the reader falls back to Windows-1250 and garbles ° and ł

    // Only the first section of a name is read, and only the first key of a name within it; a key
    // that names no kind would be ignored silently.
    QSet<QString> known;
    for (int id = 0; id < kind::ListedCount; ++id)
        known.insert(QString::fromLatin1(KindCatalogue[std::size_t(id)].ShortName).toLower());
    QSet<QString> sections;
    QSet<QString> keys;
    QString section;
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            section = line.mid(1, line.indexOf(QLatin1Char(']')) - 1).toLower();
            EXPECT_FALSE(sections.contains(section)) << section.toStdString();
            sections.insert(section);
            keys.clear();
            continue;
        }
        ASSERT_GT(line.indexOf(QLatin1Char('=')), 0) << line.toStdString();
        const QString key = line.left(line.indexOf(QLatin1Char('='))).trimmed().toLower();
        EXPECT_FALSE(keys.contains(key)) << section.toStdString() << ": " << key.toStdString();
        keys.insert(key);
        if (section != QLatin1String("options")) {
            EXPECT_TRUE(known.contains(key)) << section.toStdString() << ": " << key.toStdString();
        }
    }
}

TEST(ShippedConfig, EveryKindIsNamedAndDescribedInBothLanguages)
{
    for (const QString& language : {QStringLiteral("PL"), QStringLiteral("EN")}) {
        Shipped config(language);
        for (int id = 0; id < kind::ListedCount; ++id) {
            const TAbstractData& data = config.Kind(id);
            SCOPED_TRACE(data.ShortName.toStdString() + " " + language.toStdString());
            EXPECT_EQ(config.Raw(QStringLiteral("Names"), id), data.ShortName);
            EXPECT_EQ(config.kinds.FindByName(data.ShortName), &data);
            EXPECT_FALSE(data.Description.isEmpty());
            EXPECT_LE(data.Description.size(), 100);   // the limit of the data options dialog
            EXPECT_FALSE(data.Description.contains(QLatin1Char('[')) || data.Description.contains(QLatin1Char(']')));
        }
    }
}

TEST(ShippedConfig, ClassListsHaveOneThresholdFewerThanNamesInAscendingOrder)
{
    Shipped config(QStringLiteral("PL"));
    for (int id = 0; id < kind::ListedCount; ++id) {
        const QString namesPL = config.Raw(QStringLiteral("ThresholdsNamesPL"), id);
        const QString namesEN = config.Raw(QStringLiteral("ThresholdsNamesEN"), id);
        const QString thresholds = config.Raw(QStringLiteral("Thresholds"), id);
        if (namesPL == Absent && namesEN == Absent && thresholds == Absent)
            continue;
        SCOPED_TRACE(config.Kind(id).ShortName.toStdString());
        const QStringList pl = SplitCommaText(namesPL);
        const QStringList en = SplitCommaText(namesEN);
        const QStringList values = SplitCommaText(thresholds);
        ASSERT_GE(pl.size(), 2);
        EXPECT_EQ(en.size(), pl.size());
        EXPECT_EQ(values.size(), pl.size() - 1);
        EXPECT_FALSE(pl.contains(QString()) || en.contains(QString()));
        for (qsizetype i = 1; i < values.size(); ++i)
            EXPECT_LT(LeadingNumber(values[i - 1]), LeadingNumber(values[i])) << values[i].toStdString();

        const auto& loaded = config.Kind(id).Thresholds;
        ASSERT_EQ(qsizetype(loaded.size()), pl.size());
        EXPECT_FALSE(loaded.back().Threshold.has_value());
    }
}

TEST(ShippedConfig, DefaultsAndTypicalValuesLieWithinTheirRanges)
{
    Shipped config(QStringLiteral("PL"));
    for (int id = 0; id < kind::ListedCount; ++id) {
        const TAbstractData& data = config.Kind(id);
        SCOPED_TRACE(data.ShortName.toStdString());
        if (data.Minimum != NoValue && data.Maximum != NoValue) {
            EXPECT_LT(data.Minimum, data.Maximum);
        }
        if (data.DefaultValue != NoValue) {
            EXPECT_TRUE(InRange(data, data.DefaultValue)) << data.DefaultValue;
        }
        if (data.TypicalValue != NoValue) {
            EXPECT_TRUE(InRange(data, data.TypicalValue)) << data.TypicalValue;
        }
    }
    // The textual kinds check their own text.
    for (const int id : {kind::W_Strain, kind::Weather})
        EXPECT_TRUE(config.Kind(id).Minimum == NoValue && config.Kind(id).Maximum == NoValue);
}

TEST(ShippedConfig, OnlyThePersonAndTheSurroundingsHaveDefaults)
{
    // A default on an observation would fill missing weather with invented values, and a default on
    // an index would report it computable from no data at all. Clothing and skin temperature carry
    // the standard that the balance at standard conditions and the iterative indices read.
    Shipped config(QStringLiteral("PL"));
    const QSet<int> expected{kind::p, kind::M, kind::ac, kind::sex, kind::vprim, kind::ag, kind::Icl, kind::Ts};
    QSet<int> withDefault;
    for (int id = 0; id < kind::ListedCount; ++id)
        if (config.Kind(id).DefaultValue != NoValue)
            withDefault.insert(id);
    EXPECT_EQ(withDefault, expected);
}

TEST(ShippedConfig, InputsAndWhatOtherKindsReadHaveTypicalValues)
{
    // The trial evaluation before a calculation sees a column only through its typical value: an
    // input without one counts as missing, and so does a measured quantity such as f or Kglob that
    // the table supplies without the data it would be computed from.
    Shipped config(QStringLiteral("PL"));
    std::vector<int> needed;
    for (int id = 0; id < kind::FirstComputed; ++id)
        needed.push_back(id);
    for (const int id :
         {kind::Tg,       kind::e,      kind::f,     kind::hSl,   kind::Kglob,  kind::Kref,   kind::Ts,     kind::Icl,
          kind::N,        kind::TE,     kind::Rprim, kind::mR,    kind::mC,     kind::mE,     kind::mL,     kind::mRes,
          kind::mQ,       kind::mS,     kind::STI,   kind::pPhS,  kind::pHSI,   kind::pSTI,   kind::SW,     kind::Mrt,
          kind::HSI,      kind::PhS,    kind::Oh_W,  kind::Oc_W,  kind::W_Prec, kind::W_Snow, kind::W_Sens, kind::W_Rad,
          kind::W_Strain, kind::W_Sult, kind::dt,    kind::W_TAmp})
        needed.push_back(id);
    for (const int id : needed)
        EXPECT_NE(config.Kind(id).TypicalValue, NoValue) << config.Kind(id).ShortName.toStdString();
    // A weather type is a packed code, not a number to write here; a table of weather types makes
    // the suitability indices computable without it.
    EXPECT_EQ(config.Kind(kind::Weather).TypicalValue, NoValue);
}

TEST(ShippedConfig, PublishedBoundariesFallIntoTheirClasses)
{
    struct Case
    {
        int id;
        float value;
        const char* className;
    };
    const std::vector<Case> cases = {
        // UTCI assessment scale: a boundary value opens the class above it.
        {kind::UTCI, -40.1f, "skrajny stres zimna"},
        {kind::UTCI, -40.0f, "bardzo silny stres zimna"},
        {kind::UTCI, 8.9f, "łagodny stres zimna"},
        {kind::UTCI, 9.0f, "brak stresu termicznego"},
        {kind::UTCI, 25.9f, "brak stresu termicznego"},
        {kind::UTCI, 26.0f, "umiarkowany stres cieplny"},
        {kind::UTCI, 45.9f, "bardzo silny stres cieplny"},
        {kind::UTCI, 46.0f, "skrajny stres cieplny"},
        // Wind chill risk, whole degrees as published: -55 and colder, -54…-48, -47…-40, -39…-28, -27…-10, -9 up.
        {kind::WCT, -55.0f, "ekstremalne ryzyko"},
        {kind::WCT, -54.0f, "poważne ryzyko"},
        {kind::WCT, -48.0f, "poważne ryzyko"},
        {kind::WCT, -47.0f, "bardzo wysokie ryzyko"},
        {kind::WCT, -40.0f, "bardzo wysokie ryzyko"},
        {kind::WCT, -39.0f, "wysokie ryzyko"},
        {kind::WCT, -28.0f, "wysokie ryzyko"},
        {kind::WCT, -27.0f, "umiarkowane ryzyko"},
        {kind::WCT, -10.0f, "umiarkowane ryzyko"},
        {kind::WCT, -9.0f, "niskie ryzyko"},
        {kind::WCT, 5.0f, "niskie ryzyko"},
        // Humidex: 20–29, 30–39, 40–45, above 45, 54 and above.
        {kind::Humidex, 19.0f, "brak dyskomfortu"},
        {kind::Humidex, 20.0f, "niewielki dyskomfort"},
        {kind::Humidex, 29.0f, "niewielki dyskomfort"},
        {kind::Humidex, 30.0f, "umiarkowany dyskomfort"},
        {kind::Humidex, 39.0f, "umiarkowany dyskomfort"},
        {kind::Humidex, 40.0f, "duży dyskomfort"},
        {kind::Humidex, 45.0f, "duży dyskomfort"},
        {kind::Humidex, 46.0f, "niebezpieczeństwo"},
        {kind::Humidex, 53.0f, "niebezpieczeństwo"},
        {kind::Humidex, 54.0f, "groźba udaru cieplnego"},
        // PMV: the seven-point sensation scale, each vote ±0.5.
        {kind::PMV, -2.51f, "zimno"},
        {kind::PMV, -2.5f, "chłodno"},
        {kind::PMV, -0.51f, "lekko chłodno"},
        {kind::PMV, -0.5f, "neutralnie"},
        {kind::PMV, 0.49f, "neutralnie"},
        {kind::PMV, 0.5f, "lekko ciepło"},
        {kind::PMV, 2.5f, "gorąco"},
        // Subjective temperature: the sensation classes of the weather types (-38, -0.5, 22.5, 32, 46, 55).
        {kind::STI, -38.01f, "bardzo zimno"},
        {kind::STI, -38.0f, "zimno"},
        {kind::STI, 22.49f, "chłodno"},
        {kind::STI, 22.5f, "komfortowo"},
        {kind::STI, 32.0f, "ciepło"},
        {kind::STI, 54.99f, "gorąco"},
        {kind::STI, 55.0f, "bardzo gorąco"},
        // Heat stress index (Belding & Hatch).
        {kind::HSI, 29.9f, "brak lub łagodny stres cieplny"},
        {kind::HSI, 30.1f, "silny stres cieplny"},
        {kind::HSI, 69.9f, "silny stres cieplny"},
        {kind::HSI, 70.0f, "bardzo silny stres cieplny"},
    };
    Shipped config(QStringLiteral("PL"));
    for (const Case& c : cases)
        EXPECT_EQ(config.Kind(c.id).ClassName(c.value), QString::fromUtf8(c.className))
            << config.Kind(c.id).ShortName.toStdString() << " " << c.value;
}

TEST(ShippedConfig, EveryWholeValueOfAClassKindHasItsOwnClass)
{
    struct Case
    {
        int id;
        int first;
        int last;
    };
    const std::vector<Case> cases = {
        {kind::W_Sens, -3, 3}, {kind::W_Rad, 1, 3},  {kind::W_Strain, 0, 2}, {kind::W_Sult, 0, 2}, {kind::W_TAmp, 0, 1},
        {kind::W_Prec, 0, 1},  {kind::W_Snow, 0, 1}, {kind::DhRa, 0, 2},     {kind::DhRna, 0, 2},  {kind::sex, 0, 1}};
    Shipped config(QStringLiteral("PL"));
    for (const Case& c : cases) {
        const TAbstractData& data = config.Kind(c.id);
        SCOPED_TRACE(data.ShortName.toStdString());
        EXPECT_EQ(int(data.Thresholds.size()), c.last - c.first + 1);
        for (int value = c.first; value <= c.last; ++value)
            EXPECT_EQ(data.ClassIndex(float(value)), value - c.first) << value;
    }
    // The subjective temperatures are classed like the sensation of the weather type.
    for (const int id : {kind::STI, kind::PST, kind::pSTI}) {
        EXPECT_EQ(ClassNames(config.Kind(id)), ClassNames(config.Kind(kind::W_Sens)));
        std::vector<float> mine;
        std::vector<float> ofSti;
        config.Kind(id).ThresholdValues(mine);
        config.Kind(kind::STI).ThresholdValues(ofSti);
        EXPECT_EQ(mine, ofSti);
    }
}

TEST(ShippedConfig, CellsShowTheClassNamesOfSexAndDehydrationRisk)
{
    Shipped pl(QStringLiteral("PL"));
    EXPECT_EQ(FormatFor(&pl.Kind(kind::sex), 0.0f), QStringLiteral("mężczyzna (0)"));
    EXPECT_EQ(FormatFor(&pl.Kind(kind::sex), 1.0f), QStringLiteral("kobieta (1)"));
    EXPECT_EQ(FormatFor(&pl.Kind(kind::DhRa), 0.0f), QStringLiteral("brak ryzyka (0)"));
    EXPECT_EQ(FormatFor(&pl.Kind(kind::DhRa), 1.0f), QStringLiteral("umiarkowane ryzyko (1)"));
    EXPECT_EQ(FormatFor(&pl.Kind(kind::DhRna), 2.0f), QStringLiteral("wysokie ryzyko (2)"));

    Shipped en(QStringLiteral("EN"));
    EXPECT_EQ(FormatFor(&en.Kind(kind::sex), 0.0f), QStringLiteral("man (0)"));
    EXPECT_EQ(FormatFor(&en.Kind(kind::sex), 1.0f), QStringLiteral("woman (1)"));
    EXPECT_EQ(FormatFor(&en.Kind(kind::DhRna), 1.0f), QStringLiteral("moderate risk (1)"));
}

TEST(ShippedConfig, ComputedKindsTakeTheTableValueFirst)
{
    Shipped config(QStringLiteral("PL"));
    for (int id = kind::FirstComputed; id < kind::ListedCount; ++id) {
        EXPECT_EQ(config.Raw(QStringLiteral("DualOptions"), id), QStringLiteral("3")) << id;
        EXPECT_EQ(config.Kind(id).DualOption, SourceOrFormula::SourceElseFormula) << id;
    }
}

TEST(ShippedConfig, TheLanguageIsChosenAtTheFirstStart)
{
    Shipped config(QStringLiteral("PL"));
    const IniFile& ini = config.kinds.Ini();
    EXPECT_EQ(ini.ReadString(u"Options", u"Language", Absent), QString());   // present and empty
    ProgramOptions options;
    options.DecimalSepPoint = false;
    options.Read(ini);
    const TOptionsRecord defaults;
    EXPECT_TRUE(options.DecimalSepPoint);
    EXPECT_EQ(options.Record.NebulosityFrom, defaults.NebulosityFrom);
    EXPECT_EQ(options.Record.NebulosityTo, defaults.NebulosityTo);
    EXPECT_EQ(options.Record.DateColumnName, defaults.DateColumnName);
    EXPECT_EQ(options.Record.DateFormat, defaults.DateFormat);
    EXPECT_EQ(options.Record.HourColumnName, defaults.HourColumnName);
    EXPECT_EQ(options.Record.HourFormat, defaults.HourFormat);
}

}   // namespace
