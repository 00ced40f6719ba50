#include "support/TestSupport.h"

#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/stats/ColumnReport.h"
#include "core/stats/StatOptions.h"
#include "core/table/Table.h"

#include <gtest/gtest.h>

namespace {

const QString Message28 = QStringLiteral(
    "Pole 'progi użytkownika' musi zawierać liczby rzeczywiste oddzielone znakami '");

struct ThresholdCase
{
    char decimalSeparator;
    const char16_t* text;
    std::vector<float> expected;   // empty: the text is refused
};

void PrintTo(const ThresholdCase& c, std::ostream* out)
{
    *out << c.decimalSeparator << " \"" << QString::fromUtf16(c.text).toStdString() << '"';
}

class UserThresholdsTest : public testing::TestWithParam<ThresholdCase>
{ };

TEST_P(UserThresholdsTest, ListSeparatorFollowsTheDecimalSeparator)
{
    const ThresholdCase& c = GetParam();
    SeparatorScope separator{QLatin1Char(c.decimalSeparator)};
    const std::optional<std::vector<float>> parsed = ParseUserThresholds(QStringView(c.text));
    if (c.expected.empty())
        EXPECT_FALSE(parsed.has_value());
    else
        EXPECT_EQ(parsed, c.expected);
}

INSTANTIATE_TEST_SUITE_P(, UserThresholdsTest,
                         testing::Values(ThresholdCase{',', u"1,5; 2,5", {1.5f, 2.5f}},
                                         ThresholdCase{',', u"1.5;2.5", {}}, ThresholdCase{',', u"1;2;", {}},
                                         ThresholdCase{',', u"", {}}, ThresholdCase{',', u"1;;2", {}},
                                         ThresholdCase{'.', u" 1.5, 2.5 ", {1.5f, 2.5f}},
                                         ThresholdCase{'.', u"1.5;2.5", {}},
                                         ThresholdCase{'.', u"10,0,10", {10.0f, 0.0f, 10.0f}},   // as written
                                         ThresholdCase{'.', u"3", {3.0f}}));

class StatOptionsTest : public testing::Test
{
protected:
    TempHome home{"[ThresholdsNamesPL]\nPMV=zimno,neutralnie,ciepło\n[Thresholds]\nPMV=-0.5,0.5\n"};
    DataManager kinds{CreateKind, home.IniPath(), QStringLiteral("PL")};
    TTable table{1};

    StatOptionsTest() { table.SetRowCount(51); }   // 50 data rows

    TStatColumnRec Column(const QString& name)
    {
        table.BindHeader(1, name, kinds);
        return MakeStatColumns(table, 1, 1, 1, 1)[0];
    }
    static TStatOptions Options(int mode, const QString& from = QStringLiteral("1"),
                                const QString& to = QStringLiteral("50"))
    {
        TStatOptions options;
        options.FreqMode = mode;
        options.From = from;
        options.To = to;
        return options;
    }
};

TEST_F(StatOptionsTest, ModesOfferedByTheColumn)
{
    const TStatColumnRec plain = Column(QStringLiteral("x"));
    const TStatColumnRec classes = Column(QStringLiteral("PMV"));
    const TStatColumnRec words = Column(QStringLiteral("Weather"));
    const TStatColumnRec input = Column(QStringLiteral("t"));
    for (int mode : {fmUser, fmWidth, fmCount}) {
        EXPECT_TRUE(IsModeOffered(plain, mode));
        EXPECT_TRUE(IsModeOffered(input, mode));
        EXPECT_FALSE(IsModeOffered(classes, mode));
        EXPECT_FALSE(IsModeOffered(words, mode));
    }
    EXPECT_FALSE(IsModeOffered(plain, fmStandard));
    EXPECT_TRUE(IsModeOffered(classes, fmStandard));
    EXPECT_TRUE(IsModeOffered(words, fmNone));
}

TEST_F(StatOptionsTest, RowsAreClampedAndOrdered)
{
    TStatColumnRec record = Column(QStringLiteral("x"));
    ASSERT_EQ(StoreStatOptions(Options(fmNone, QStringLiteral("0"), QStringLiteral("900")), record, 50), QString());
    EXPECT_EQ(record.FromRow, 1);
    EXPECT_EQ(record.ToRow, 50);
    ASSERT_EQ(StoreStatOptions(Options(fmNone, QStringLiteral("50"), QStringLiteral("10")), record, 50), QString());
    EXPECT_EQ(record.FromRow, 10);
    EXPECT_EQ(record.ToRow, 50);
}

TEST_F(StatOptionsTest, FirstInvalidFieldIsNamedAndNothingIsStored)
{
    SeparatorScope separator{QLatin1Char('.')};
    TStatColumnRec record = Column(QStringLiteral("x"));
    struct Case
    {
        TStatOptions options;
        QString message;
    };
    TStatOptions badFrom = Options(fmWidth, QStringLiteral("a"), QStringLiteral("b"));
    TStatOptions badTo = Options(fmWidth, QStringLiteral("2"), QStringLiteral("1.5"));
    TStatOptions badWidth = Options(fmWidth);
    badWidth.HistWidth = QStringLiteral("szeroko");
    TStatOptions badCount = Options(fmCount);
    badCount.HistWidth = QStringLiteral("3");   // the field of another mode is not read
    TStatOptions badUser = Options(fmUser);
    badUser.UserText = QStringLiteral("1;2");
    for (const Case& c :
         {Case{badFrom, QStringLiteral("Pole 'od wiersza' musi zawierać liczbę całkowitą !")},
          Case{badTo, QStringLiteral("Pole 'do wiersza' musi zawierać liczbę całkowitą !")},
          Case{badWidth, QStringLiteral("Pole 'szerokość przedziału' musi zawierać liczbę rzeczywistą !")},
          Case{badCount, QStringLiteral("Pole 'ilość przedziałów' musi zawierać liczbę rzeczywistą !")},
          Case{badUser, Message28 + QStringLiteral(",' !")}}) {
        EXPECT_EQ(StoreStatOptions(c.options, record, 50), c.message);
        EXPECT_EQ(record.FreqMode, fmNone);
        EXPECT_EQ(record.ToRow, 50);
        EXPECT_TRUE(record.UserText.isEmpty());
    }
    SeparatorScope comma{QLatin1Char(',')};
    EXPECT_EQ(StoreStatOptions(badUser, record, 50), QString());
    badUser.UserText = QStringLiteral("1.5;2.5");
    EXPECT_EQ(StoreStatOptions(badUser, record, 50), Message28 + QStringLiteral(";' !"));
}

TEST_F(StatOptionsTest, StoredSettingsLoadBack)
{
    SeparatorScope separator{QLatin1Char(',')};
    TStatColumnRec record = Column(QStringLiteral("x"));
    TStatOptions options = Options(fmWidth, QStringLiteral("3"), QStringLiteral("7"));
    options.HistWidth = QStringLiteral("2,5");
    options.UserText = QStringLiteral("1;2");   // kept though another mode is chosen
    ASSERT_EQ(StoreStatOptions(options, record, 50), QString());
    EXPECT_EQ(record.FreqMode, fmWidth);
    EXPECT_EQ(record.HistParam, 2.5f);
    EXPECT_TRUE(record.UserThresholds.empty());

    const TStatOptions loaded = LoadStatOptions(record);
    EXPECT_EQ(loaded.FreqMode, fmWidth);
    EXPECT_EQ(loaded.HistWidth, QStringLiteral("2,50"));
    EXPECT_EQ(loaded.HistCount, QString());
    EXPECT_EQ(loaded.UserText, QStringLiteral("1;2"));
    EXPECT_EQ(loaded.From, QStringLiteral("3"));
    EXPECT_EQ(loaded.To, QStringLiteral("7"));

    options.FreqMode = fmUser;
    ASSERT_EQ(StoreStatOptions(options, record, 50), QString());
    EXPECT_EQ(record.UserThresholds, (std::vector<float>{1, 2}));
    EXPECT_EQ(record.HistParam, NoValue);
    EXPECT_EQ(LoadStatOptions(record).HistWidth, QString());
}

TEST_F(StatOptionsTest, ModeNotOfferedLoadsAsNone)
{
    TStatColumnRec record = Column(QStringLiteral("PMV"));
    record.FreqMode = fmCount;
    EXPECT_EQ(LoadStatOptions(record).FreqMode, fmNone);
    record.FreqMode = fmStandard;
    EXPECT_EQ(LoadStatOptions(record).FreqMode, fmStandard);
}

TEST_F(StatOptionsTest, ReportIsSavedAsUtf8WithCrLf)
{
    ScriptedUi ui;
    const QString path = home.Path(QStringLiteral("raport.txt"));
    ASSERT_TRUE(SaveReport(QStringLiteral("\n            Kolumna źródło\n"), path, ui));
    EXPECT_EQ(home.Read(QStringLiteral("raport.txt")),
              QByteArray("\r\n            Kolumna \xc5\xbar\xc3\xb3"
                         "d\xc5\x82o\r\n\r\n"));   // ź, ó, ł in UTF-8

    EXPECT_FALSE(SaveReport(QStringLiteral("x"), home.Path(QStringLiteral("no/such/dir/r.txt")), ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.startsWith(QStringLiteral("Błąd podczas zapisu do pliku ")));
}

}   // namespace
