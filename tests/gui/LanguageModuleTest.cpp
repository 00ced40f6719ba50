// The English language module the build places beside the program: found by the start-up's naming
// rule, and holding the texts of the main window, the dialogs and the core's messages.

#include "GuiTestSupport.h"

#include "core/base/TextCodec.h"
#include "core/data/AbstractData.h"
#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/settings/ConfigLocation.h"
#include "core/table/DataFile.h"
#include "core/table/Table.h"

#include <QCoreApplication>
#include <QDir>
#include <QMenuBar>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

const QString Program = ProgramPath();

TEST(LanguageModule, FoundBesideTheProgramForEnglishOnly)
{
    EXPECT_EQ(FindLanguageModule(Program, 1033), Program + QStringLiteral(".ENU"));
    EXPECT_EQ(FindLanguageModule(Program, 1045), QString());   // Polish is built in
}

TEST(LanguageModule, HoldsTextsOfEveryContext)
{
    const EnglishModule english;
    ASSERT_TRUE(english.Loaded());
    const struct
    {
        const char* context;
        const char* polish;
        const char* english;
    } cases[] = {
        {"TMainForm", "&Plik", "&File"},
        {"TMainForm", "Otwórz|Otwiera plik i wczytuje z niego dane do tabeli",
         "Open|Opens a file and loads its data into a table"},
        {"TLoadOptionsForm", "&Wczytaj", "&Load"},
        {"Editing",
         "Ta operacja zamieni nazwy części kolumn w tabeli na nazwy zawarte w Schowku.\r\n"
         "Czy jesteś pewien, że chcesz kontynuować ?",
         "This operation will replace the names of some columns of the table with the names on the Clipboard.\r\n"
         "Are you sure you want to continue?"},
        {"ProgramOptions",
         "Domyślny separator dziesiętny systemu Windows ma więcej niż jeden znak.\r\n"
         "Przyjęto kropkę jako separator dziesiętny.",
         "The system's default decimal separator is longer than one character.\r\n"
         "The point is used as the decimal separator instead."},
        {"TExposureTime", "bez ograniczeń", "no limit"},
        {"TTable", "Tabela %2d (%s)", "Table %2d (%s)"},
        {"CalcChoices", "Tabela %2d ()", "Table %2d ()"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(english.Translator().translate(c.context, c.polish), QString::fromUtf8(c.english)) << c.polish;
}

// What the user reads once the module is installed: the core's texts as the core builds them.
TEST(LanguageModule, CoreTextsComeOutInEnglish)
{
    const EnglishModule english;
    ASSERT_TRUE(english.Loaded());
    TempHome home;
    const DataManager kinds(CreateKind, home.IniPath(), QStringLiteral("EN"));

    EXPECT_EQ(TTable::NumberedText(3, QStringLiteral("station.txt")), QStringLiteral("Table  3 (station.txt)"));
    EXPECT_EQ(TTable(4).Caption(), QStringLiteral("Table 4"));
    EXPECT_EQ(kinds.GetById(kind::Oh_W)->FormatValue(-1.0f).Text(), QStringLiteral("no limit"));

    // The warning about skipped columns reaches translate() through a variable; its English text
    // must still be found.
    TTable table(1);
    table.SetColumnHeader(1, QStringLiteral("a"), nullptr);
    ScriptedUi ui;
    const QByteArray text("a;b\n1;2");
    const std::vector<QByteArrayView> lines = SplitLines(text);
    ASSERT_TRUE(LoadIntoTable(table, QStringLiteral("/data/file.txt"), lines, 0, LoadMode::AppendColumns,
                              QLatin1Char(';'), QLatin1Char('.'), kinds, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              QStringLiteral("Columns of the file with the same name as a column of the table "
                             "were skipped while reading the data!"));
}

TEST(LanguageModule, MainWindowStartsInEnglish)
{
    const EnglishModule english;
    ASSERT_TRUE(english.Loaded());
    MainFormFixture fixture(QByteArray(), 1033);
    QStringList menus;
    for (QAction* menu : fixture.Form().menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus,
              QStringList({QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&Calculations"),
                           QStringLiteral("&Options"), QStringLiteral("&Window"), QStringLiteral("&Help")}));
    EXPECT_EQ(fixture.Form().Actions().Open->toolTip(), QStringLiteral("Open"));
}

}   // namespace
