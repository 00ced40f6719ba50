#include "support/OpenFileFixture.h"

#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/settings/IniFile.h"
#include "core/table/DataFile.h"
#include "core/table/OpenDataFile.h"
#include "core/table/RecentFiles.h"
#include "core/table/TableSet.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class OpenDataFileTest : public OpenFileFixture
{
protected:
    TTable* Open(const QString& name, TTable* current = nullptr) { return OpenPath(home.Path(name), current); }
};

TEST_F(OpenDataFileTest, MissingAndEmptyFilesOpenNothing)
{
    EXPECT_EQ(Open(QStringLiteral("nowhere.txt")), nullptr);
    home.Write(QStringLiteral("empty.txt"), "\r\n\n\r");
    EXPECT_EQ(Open(QStringLiteral("empty.txt")), nullptr);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Nie mogę znaleźć pliku "));
    EXPECT_EQ(ui.messages[1].text,
              QStringLiteral("Plik ") + home.Path(QStringLiteral("empty.txt"))
                  + QStringLiteral(" nie zawiera danych !"));
    EXPECT_TRUE(ui.requests.empty());
    EXPECT_TRUE(recent.Paths().isEmpty());
    EXPECT_EQ(tables.Count(), 0);
}

TEST_F(OpenDataFileTest, FilesBeyondTheLargestTableAreRefusedBeforeAnyTableIsMade)
{
    struct Case
    {
        const char* name;
        QByteArray content;
        const char* message;
    };
    const Case cases[] = {
        {"wide_tall.txt", QByteArray(30000, '\t') + QByteArray(30000, '\n'),
         "Tabela byłaby za duża (30001 kolumn, 29999 wierszy)"},
        {"one_line.txt", QByteArray("1\t").repeated(200000), "Tabela byłaby za duża (200001 kolumn, 1 wierszy)"},
        {"huge.txt", QByteArray(), "jest za duży: można wczytać plik o wielkości najwyżej 1024 MB"},
    };
    LoadOptions options;
    options.dataSeparator = QStringLiteral("t");
    options.decimalSeparator = QStringLiteral(".");
    for (const Case& c : cases) {
        home.Write(QString::fromLatin1(c.name), c.content);
        if (c.content.isEmpty()) {   // sparse: takes no room on the disk
            QFile file(home.Path(QString::fromLatin1(c.name)));
            ASSERT_TRUE(file.resize(MaxDataFileBytes + 1));
        }
        ui.loadOptions = options;
        EXPECT_EQ(Open(QString::fromLatin1(c.name)), nullptr) << c.name;
        ASSERT_FALSE(ui.messages.empty()) << c.name;
        EXPECT_TRUE(ui.messages.back().text.contains(QString::fromUtf8(c.message)))
            << ui.messages.back().text.toStdString();
        EXPECT_EQ(tables.Count(), 0) << c.name;
    }
}

TEST_F(OpenDataFileTest, DialogGetsTheDetectedSeparatorAndCancellingStillRemembersTheFile)
{
    home.Write(QStringLiteral("a.txt"), "\n\nt;v\t x\n1;2");
    EXPECT_EQ(Open(QStringLiteral("a.txt")), nullptr);
    ASSERT_EQ(ui.requests.size(), 1u);
    EXPECT_EQ(ui.requests[0].detectedSeparator, QChar(u'\t'));   // found in the reference line
    EXPECT_FALSE(ui.requests[0].hasCurrentTable);
    EXPECT_TRUE(ui.requests[0].detectedDecimalSeparator.isNull());   // no fraction tells
    EXPECT_EQ(recent.Paths(), QStringList{home.Path(QStringLiteral("a.txt"))});
    EXPECT_EQ(tables.Count(), 0);
}

TEST_F(OpenDataFileTest, LoadsIntoANewOrTheCurrentTable)
{
    home.Write(QStringLiteral("a.txt"), "t;v\n1;2");
    home.Write(QStringLiteral("b.txt"), "f\n80");
    LoadOptions options;
    options.dataSeparator = QStringLiteral(";");
    options.decimalSeparator = QStringLiteral(".");
    ui.loadOptions = options;
    TTable* first = Open(QStringLiteral("a.txt"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->CellNumber(2, 1), 2.0f);

    ui.loadOptions->mode = LoadMode::AppendColumns;
    EXPECT_EQ(Open(QStringLiteral("b.txt"), first), first);
    EXPECT_EQ(first->HeaderText(3), QStringLiteral("f"));

    // Without a current table, any mode opens a new one.
    TTable* opened = OpenDataFile(home.Path(QStringLiteral("b.txt")), tables, nullptr, kinds, ui, recent);
    ASSERT_EQ(tables.Count(), 2);
    EXPECT_EQ(opened, tables.At(1));
    EXPECT_EQ(recent.Paths().first(), home.Path(QStringLiteral("b.txt")));
}

TEST_F(OpenDataFileTest, TypedSeparatorsReadTAsTabAndEmptyAsDefault)
{
    LoadOptions options;
    options.dataSeparator = QStringLiteral("t");
    EXPECT_EQ(options.DataSeparatorChar(QChar(u';')), QChar(u'\t'));
    EXPECT_EQ(options.DecimalSeparatorChar(), DecimalSeparator);
    options.dataSeparator.clear();
    EXPECT_EQ(options.DataSeparatorChar(QChar(u';')), QChar(u';'));

    const LoadOptions defaults = LoadOptions::Defaults({QStringLiteral("x"), QChar(u'\t'), true, QChar()});
    EXPECT_EQ(defaults.dataSeparator, QStringLiteral("t"));
    EXPECT_EQ(defaults.decimalSeparator, QStringLiteral("."));
    EXPECT_TRUE(defaults.Check().isEmpty());
    EXPECT_EQ(LoadOptions::Defaults({QStringLiteral("x"), QChar(u'\t'), true, QChar(u',')}).decimalSeparator,
              QStringLiteral(","));

    options.dataSeparator = QStringLiteral(",");
    options.decimalSeparator = QStringLiteral(",");
    EXPECT_EQ(options.Check(), QStringLiteral("Separator danych nie może być taki sam, jak separator dziesiętny !"));
}

TEST(RecentFiles, MostRecentFirstWithoutDuplicatesAndAtMostTen)
{
    RecentFiles recent;
    for (int i = 0; i < 11; ++i)
        recent.AddRecentFile(QStringLiteral("/data/%1.txt").arg(i));
    EXPECT_EQ(recent.Paths().size(), 10);
    EXPECT_EQ(recent.Paths().first(), QStringLiteral("/data/10.txt"));
    EXPECT_EQ(recent.Paths().last(), QStringLiteral("/data/1.txt"));   // the oldest was pushed out

    recent.AddRecentFile(QStringLiteral("/DATA/5.TXT"));   // found ignoring case: moved, not added
    EXPECT_EQ(recent.Paths().size(), 10);
    EXPECT_EQ(recent.Paths().first(), QStringLiteral("/data/5.txt"));
    EXPECT_EQ(recent.Paths()[1], QStringLiteral("/data/10.txt"));
}

TEST(RecentFiles, RoundTripsThroughTheIniFile)
{
    TempHome home(QByteArray("[LastOpened]\n0=/a\n2=/c\n1=/b\n9=/z\n"));
    IniFile ini(home.IniPath());
    RecentFiles recent;
    recent.ReadFrom(ini);
    EXPECT_EQ(recent.Paths(),
              (QStringList{QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/c"), QStringLiteral("/z")}));
    RecentFiles shorter;
    shorter.AddRecentFile(QStringLiteral("/new"));
    shorter.WriteTo(ini);
    EXPECT_EQ(ini.ReadString(u"LastOpened", u"0"), QStringLiteral("/new"));
    EXPECT_EQ(ini.ReadString(u"LastOpened", u"9"), QStringLiteral("/z"));   // keys beyond the list stay
}

}   // namespace
