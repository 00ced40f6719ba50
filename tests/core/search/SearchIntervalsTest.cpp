#include "support/TestSupport.h"

#include "core/search/SearchIntervals.h"

#include <gtest/gtest.h>

namespace {

const QString WrongCount = QStringLiteral("Błędny format pola 'Przedziały' (niepoprawna liczba danych) !");
const QString WrongFormat = QStringLiteral(
    "Błędny format pola 'Przedziały' (nie wszystkie dane są liczbami lub są rozdzielone niewłaściwymi separatorami) !");

struct IntervalsCase
{
    const char16_t* text;
    const char16_t* stored;   // as the dialog shows it again; empty when refused
    const QString* message;   // the refusal, or none
};

void PrintTo(const IntervalsCase& c, std::ostream* out)
{
    *out << '"' << QString::fromUtf16(c.text).toStdString() << '"';
}

class IntervalsTextTest : public testing::TestWithParam<IntervalsCase>
{ };

TEST_P(IntervalsTextTest, IsCheckedSortedAndMerged)
{
    SeparatorScope separator{QLatin1Char('.')};
    const IntervalsCase& c = GetParam();
    std::vector<TSearchInterval> intervals{{1, 2}};
    const QString message = ParseIntervalsText(QStringView(c.text), intervals);
    if (c.message) {
        EXPECT_EQ(message, *c.message);
        EXPECT_EQ(IntervalsText(intervals), QStringLiteral("1.00_2.00"));   // untouched
    } else {
        EXPECT_EQ(message, QString());
        EXPECT_EQ(IntervalsText(intervals), QString::fromUtf16(c.stored));
    }
}

INSTANTIATE_TEST_SUITE_P(
    , IntervalsTextTest,
    testing::Values(IntervalsCase{u"5_10;0_6", u"0.00_10.00", nullptr},
                    IntervalsCase{u"0_5;5_10", u"0.00_5.00;5.00_10.00", nullptr},   // touching, kept apart
                    IntervalsCase{u"INF_0;10_INF", u"INF_0.00;10.00_INF", nullptr},
                    IntervalsCase{u" a _ 2 ", u"INF_2.00", nullptr},             // any non-number opens the first bound
                    IntervalsCase{u"20_30;1_2;-5_INF", u"-5.00_INF", nullptr},   // the open interval swallows all
                    IntervalsCase{u"INF_-2500000;-3000000_-2000000", u"INF_-2000000.00", nullptr},
                    IntervalsCase{u"1_2;3", nullptr, &WrongCount}, IntervalsCase{u"", nullptr, &WrongCount},
                    IntervalsCase{u"1;2", nullptr, &WrongFormat}, IntervalsCase{u"3_4;a_6", nullptr, &WrongFormat},
                    IntervalsCase{u"1_2_3_4", nullptr, &WrongFormat},
                    IntervalsCase{u"1_x;3_4", nullptr, &WrongFormat}));

}   // namespace
