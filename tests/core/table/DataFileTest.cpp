#include "support/TestSupport.h"

#include "core/base/OrderedBlocks.h"
#include "core/base/TextCodec.h"
#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/settings/IniFile.h"
#include "core/stats/ColumnReport.h"
#include "core/table/DataFile.h"
#include "core/table/Editing.h"
#include "core/table/OpenDataFile.h"
#include "core/table/RecentFiles.h"
#include "core/table/Table.h"
#include "core/table/TableSet.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace {

class DataFileTest : public testing::Test
{
protected:
    TempHome home{QByteArray()};
    DataManager kinds{CreateKind, home.IniPath(), QStringLiteral("PL")};
    ScriptedUi ui;

    // Loads `text` (lines as a file would give them) into `table`.
    bool Load(TTable& table, const QString& text, LoadMode mode, QChar dataSeparator, QChar decimalSeparator)
    {
        m_text = text.toUtf8();
        const std::vector<QByteArrayView> lines = SplitLines(m_text);
        return LoadIntoTable(table, QStringLiteral("/data/file.txt"), lines, FirstNonEmptyLine(lines), mode,
                             dataSeparator, decimalSeparator, kinds, ui);
    }

    // A table of `rows` data rows and two named columns a and b holding r and 10·r.
    void Fill(TTable& table, int rows)
    {
        table.SetColCount(3);
        table.SetRowCount(rows + 1);
        table.SetColumnHeader(1, QStringLiteral("a"), nullptr);
        table.SetColumnHeader(2, QStringLiteral("b"), nullptr);
        for (int r = 1; r <= rows; ++r) {
            table.SetRowLabel(r);
            table.SetCellNumber(1, r, float(r));
            table.SetCellNumber(2, r, float(10 * r));
        }
        table.SetModified(false);
    }

private:
    QByteArray m_text;
};

TEST(DetectDataSeparator, TriesTabSemicolonBlankCommaInThatOrder)
{
    EXPECT_EQ(DetectDataSeparator("a;b\tc"), QChar(u'\t'));
    EXPECT_EQ(DetectDataSeparator("a b;c"), QChar(u';'));
    EXPECT_EQ(DetectDataSeparator("a,b c"), QChar(u' '));
    EXPECT_EQ(DetectDataSeparator("a,b"), QChar(u','));
    EXPECT_TRUE(DetectDataSeparator("abc").isNull());
    SeparatorScope comma(QLatin1Char(','));
    EXPECT_TRUE(DetectDataSeparator("1,5").isNull());   // the decimal comma is never a data separator
}

TEST(DetectDecimalSeparator, OnlyFractionsOfOneKindTell)
{
    const struct
    {
        const char* text;
        QChar data;
        QChar expected;
    } cases[] = {
        {"t;v\n12.5;3\n-0.25;4", u';', u'.'}, {"t;v\n12,5;3\n1e5;4", u';', u','},
        {"t\tv\n12\t3", u'\t', QChar()},      // whole numbers tell nothing
        {"t;v\n1.5;2,5", u';', QChar()},      // both occur
        {"name;x\nv1.2b;3", u';', QChar()},   // a text with a point is no number
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DetectDecimalSeparator(SplitLines(QByteArrayView(c.text)), 0, c.data), c.expected) << c.text;
    }
}

TEST(SplitFields, KeepsEmptyFieldsAndNeverQuotes)
{
    std::vector<QStringView> fields;
    SplitFields(u";a;;\"b;c\";", QChar(u';'), fields);
    EXPECT_EQ(fields, (std::vector<QStringView>{u"", u"a", u"", u"\"b", u"c\"", u""}));
    SplitFields(u"a;b", QChar(), fields);
    EXPECT_EQ(fields, std::vector<QStringView>{u"a;b"});
}

TEST(TextCodec, ReadsUtf8ElseWindows1250)
{
    EXPECT_EQ(DecodeText(QByteArray("\xEF\xBB\xBFZa\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87")), QStringLiteral("Zażółć"));
    EXPECT_EQ(DecodeText(QByteArray("\xA3\xF3\x64\x9F \xB9\xEA \x8C\x8F \x80")), QStringLiteral("Łódź ąę ŚŹ €"));
    EXPECT_EQ(DecodeText(QByteArray("ab\0cd", 5)), QStringLiteral("ab"));   // NUL ends the text
    EXPECT_EQ(DecodeText(QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                    "a")),
              QStringLiteral("\uFEFFa"));   // one mark is dropped
}

TEST(TextCodec, SplitsAtEveryKindOfLineEnd)
{
    const QString text = QStringLiteral("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(SplitLines(text), (std::vector<QStringView>{u"a", u"b", u"c", u"d", u"", u"e"}));
    EXPECT_EQ(SplitLines(u"a\n").size(), 1u);
    EXPECT_EQ(SplitLines(QByteArrayView("a\rb\r\nc\n\rd\re")),
              (std::vector<QByteArrayView>{"a", "b", "c", "", "d", "e"}));
    EXPECT_TRUE(SplitLines(u"").empty());
}

TEST_F(DataFileTest, FileWithDecimalCommaBindsItsHeader)
{
    TTable table(1);
    ASSERT_TRUE(Load(table, QStringLiteral("t;f;v\n12,5;80;3"), LoadMode::NewTable, QChar(u';'), QChar(u',')));
    EXPECT_EQ(table.ColCount(), 4);
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.ColumnKind(1), kinds.GetById(kind::t));
    EXPECT_EQ(table.ColumnKind(2), kinds.GetById(kind::f));
    EXPECT_EQ(table.ColumnKind(3), kinds.GetById(kind::v));
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("12.50"));
    EXPECT_EQ(table.DisplayText(2, 1), QStringLiteral("80.00"));
    EXPECT_EQ(table.DisplayText(3, 1), QStringLiteral("3.00"));
    EXPECT_EQ(table.FileName(), QStringLiteral("/data/file.txt"));
    EXPECT_EQ(table.Caption(), QStringLiteral("Tabela  1 (/data/file.txt)"));
    EXPECT_EQ(table.DataSeparator(), QChar(u';'));
    EXPECT_FALSE(table.Modified());
}

TEST_F(DataFileTest, NumbersOfTheProgramsOwnSeparatorStillCount)
{
    // A point number in a file read with a decimal comma is not a number of the file, but the
    // cell, stored with the program's point, takes it all the same.
    TTable table(1);
    ASSERT_TRUE(Load(table, QStringLiteral("x;y\n1.5;2,5"), LoadMode::NewTable, QChar(u';'), QChar(u',')));
    EXPECT_EQ(table.CellNumber(1, 1), 1.5f);
    EXPECT_EQ(table.CellNumber(2, 1), 2.5f);
}

TEST_F(DataFileTest, HeaderIsALineWithoutAnyNumber)
{
    TTable headerless(1);
    ASSERT_TRUE(Load(headerless, QStringLiteral("\n\nKraków;5\nŁeba;6"), LoadMode::NewTable, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(headerless.RowCount(), 3);   // empty lines at the top are skipped; "5" makes it data
    EXPECT_EQ(headerless.HeaderText(1), QString());
    EXPECT_EQ(headerless.DisplayText(1, 1), QStringLiteral("Kraków"));

    TTable named(2);
    ASSERT_TRUE(Load(named, QStringLiteral("Kraków;Łeba;Hel\n1;2;3"), LoadMode::NewTable, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(named.HeaderText(2), QStringLiteral("Łeba"));
    EXPECT_EQ(named.RowCount(), 2);

    // A number in the program's notation is one as well: as a name it would be saved into a header
    // line that reads back as data.
    SeparatorScope comma(QChar(u','));
    TTable mixed(3);
    ASSERT_TRUE(Load(mixed, QStringLiteral("x;1,5\n2;3"), LoadMode::NewTable, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(mixed.RowCount(), 3);
    EXPECT_EQ(mixed.HeaderText(2), QString());
    EXPECT_EQ(mixed.CellNumber(2, 1), 1.5f);
}

TEST_F(DataFileTest, ShortAndLongLinesFillWhatTheyHave)
{
    TTable table(1);
    ASSERT_TRUE(
        Load(table, QStringLiteral("a;b;c\n1;2;3;4;5\n7\n\n8;;9"), LoadMode::NewTable, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(table.ColCount(), 4);
    EXPECT_EQ(table.RowCount(), 5);
    EXPECT_EQ(table.CellNumber(3, 1), 3.0f);
    EXPECT_EQ(table.CellNumber(1, 2), 7.0f);
    EXPECT_TRUE(table.CellData(2, 2).NoValidValue);
    EXPECT_EQ(table.DisplayText(1, 3), QString());   // an empty line is an empty row
    EXPECT_EQ(table.RowLabel(4), QStringLiteral("4"));
    EXPECT_EQ(table.CellNumber(3, 4), 9.0f);
}

TEST_F(DataFileTest, HeaderWithoutDataLeavesOneEmptyRow)
{
    TTable table(1);
    ASSERT_TRUE(Load(table, QStringLiteral("t;v"), LoadMode::NewTable, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(table.ColCount(), 3);
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.HeaderText(2), QStringLiteral("v"));
}

TEST_F(DataFileTest, ReplaceAsksFirst)
{
    TTable table(1);
    Fill(table, 3);
    table.SetModified(true);
    ui.answers = {false};
    EXPECT_FALSE(Load(table, QStringLiteral("x\n1"), LoadMode::Replace, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(ui.questions, std::vector<QString>{QStringLiteral("Czy na pewno chcesz usunąć zawartość tabeli ?")});
    EXPECT_EQ(table.RowCount(), 4);
    EXPECT_TRUE(table.FileName().isEmpty());

    ui.answers = {true};
    ASSERT_TRUE(Load(table, QStringLiteral("5\n6"), LoadMode::Replace, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(table.ColCount(), 2);
    EXPECT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("a"));   // a headerless file leaves the names
    EXPECT_EQ(table.CellNumber(1, 2), 6.0f);
    EXPECT_EQ(table.FileName(), QStringLiteral("/data/file.txt"));
    EXPECT_TRUE(table.Modified());   // replacing leaves Modified as it was
    EXPECT_TRUE(table.Caption().endsWith(QStringLiteral(" (*)")));
}

TEST_F(DataFileTest, AppendColumnsGrowsToTheLongerFile)
{
    TTable table(1);
    Fill(table, 5);
    ASSERT_TRUE(
        Load(table, QStringLiteral("c\n1\n2\n3\n4\n5\n6\n7\n8"), LoadMode::AppendColumns, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(table.RowCount(), 9);
    EXPECT_EQ(table.RowLabel(8), QStringLiteral("8"));
    EXPECT_EQ(table.CellNumber(3, 8), 8.0f);
    EXPECT_TRUE(table.CellData(1, 8).NoValidValue);
    EXPECT_TRUE(table.Modified());
    EXPECT_TRUE(table.FileName().isEmpty());   // appending never binds the file
    EXPECT_TRUE(ui.messages.empty());

    TTable shorter(2);
    Fill(shorter, 5);
    ASSERT_TRUE(Load(shorter, QStringLiteral("c\n1\n2\n3"), LoadMode::AppendColumns, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(shorter.RowCount(), 6);
    EXPECT_EQ(shorter.CellNumber(3, 3), 3.0f);
    EXPECT_TRUE(shorter.CellData(3, 4).NoValidValue);
}

TEST_F(DataFileTest, AppendColumnsSkipsNamesTheTableHas)
{
    TTable table(1);
    Fill(table, 2);
    ASSERT_TRUE(Load(table, QStringLiteral("A;t;;x\n1;2;3;4"), LoadMode::AppendColumns, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(table.ColCount(), 6);   // t, an unnamed column and x; "A" is the table's "a"
    EXPECT_EQ(table.HeaderText(3), QStringLiteral("t"));
    EXPECT_EQ(table.ColumnKind(3), kinds.GetById(kind::t));
    EXPECT_EQ(table.CellNumber(4, 1), 3.0f);
    EXPECT_EQ(table.CellNumber(1, 1), 1.0f);   // the skipped column did not overwrite a
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Warning);
    EXPECT_TRUE(ui.messages[0].text.contains(QStringLiteral("nazywające się tak samo")));
}

TEST_F(DataFileTest, AppendRowsGoesBelowSameNamedColumns)
{
    TTable table(1);
    Fill(table, 2);
    ASSERT_TRUE(Load(table, QStringLiteral("B;z\n7;8\n9;10"), LoadMode::AppendRows, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(table.RowCount(), 5);
    EXPECT_EQ(table.CellNumber(2, 3), 7.0f);
    EXPECT_EQ(table.CellNumber(2, 4), 9.0f);
    EXPECT_TRUE(table.CellData(1, 3).NoValidValue);
    EXPECT_EQ(table.HeaderText(2), QStringLiteral("B"));   // the file's name binds the column again
    EXPECT_EQ(table.RowLabel(4), QStringLiteral("4"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.contains(QStringLiteral("nie posiadające w tabeli odpowiedników")));
}

TEST_F(DataFileTest, AppendRowsNeedsAHeader)
{
    TTable table(1);
    Fill(table, 2);
    EXPECT_FALSE(Load(table, QStringLiteral("1;2"), LoadMode::AppendRows, QChar(u';'), QChar(u'.')));
    EXPECT_EQ(table.RowCount(), 3);
    EXPECT_FALSE(table.Modified());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Error);
}

TEST_F(DataFileTest, SavedTableIsHeaderAndRowsWithoutFinalLineBreak)
{
    TTable table(1);
    Fill(table, 3);
    table.SetCellText(2, 2, u"n/a");
    ASSERT_TRUE(SaveTableAs(table, home.Path(QStringLiteral("out.dat")), ui));
    EXPECT_EQ(home.Read(QStringLiteral("out.dat")),
              QByteArray("a\tb\r\n1.000000\t10.000000\r\n2.000000\tn/a\r\n3.000000\t30.000000"));
    EXPECT_FALSE(table.Modified());
    EXPECT_EQ(table.Caption(), TTable::NumberedText(1, home.Path(QStringLiteral("out.dat"))));
}

TEST_F(DataFileTest, SavingKeepsTheFilesSeparatorAndWritesUtf8)
{
    TTable table(1);
    ASSERT_TRUE(Load(table, QStringLiteral("miejscowość;N8\nŁódź;3,7"), LoadMode::NewTable, QChar(u';'), QChar(u',')));
    SeparatorScope comma(QLatin1Char(','));
    ASSERT_TRUE(SaveTableAs(table, home.Path(QStringLiteral("out.txt")), ui));
    EXPECT_EQ(QString::fromUtf8(home.Read(QStringLiteral("out.txt"))),
              QStringLiteral("miejscowość;N8\r\nŁódź;3,700000"));
}

TEST_F(DataFileTest, TextHoldingTheSeparatorSplitsWhenReadBack)
{
    TTable table(1);
    table.SetColCount(3);
    table.SetCellText(1, 1, u"a;b");
    table.SetCellNumber(2, 1, 1.0f);
    table.SetDataSeparator(QChar(u';'));
    ASSERT_TRUE(SaveTableAs(table, home.Path(QStringLiteral("split.txt")), ui));
    EXPECT_EQ(home.Read(QStringLiteral("split.txt")), QByteArray(";\r\na;b;1.000000"));
}

TEST_F(DataFileTest, FailedSaveKeepsModifiedAndTellsWhy)
{
    TTable table(1);
    Fill(table, 2);
    table.SetModified(true);
    const QString target = home.Path(QStringLiteral("missing-dir/out.txt"));
    EXPECT_FALSE(SaveTableAs(table, target, ui));
    EXPECT_TRUE(table.Modified());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Błąd podczas zapisu do pliku ") + target + QStringLiteral(" !"));
    EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Error);

    QDir(home.Path(QString())).mkdir(QStringLiteral("a-directory"));
    EXPECT_FALSE(SaveTableAs(table, home.Path(QStringLiteral("a-directory")), ui));
    EXPECT_TRUE(QFileInfo(home.Path(QStringLiteral("a-directory"))).isDir());
}

// Every cell and name survives saving and opening again, whatever the two separators: numbers keep
// their decimals and stay one field, and a single unnamed column stays unnamed.
TEST_F(DataFileTest, RoundTripKeepsEveryCell)
{
    struct Shape
    {
        std::vector<const char*> names;
        std::vector<std::vector<const char*>> rows;   // as typed with a decimal point
    };
    const std::vector<Shape> shapes = {
        {{"c1", "miejsce", "", "t", "prec"},
         {{"12.5", "Kraków", "", "-40.125", "2.7"},
          {"", "0", "1013.25", "Łeba-Hel", "-0.4"},
          {"-0.0000001", "", "x", "7", "12"}}},
        {{""}, {{"Kraków"}, {"12.5"}, {""}, {"-3"}}},
        {{""}, {{"12.5"}, {"Hel"}}},
        {{""}, {{""}, {"5"}}},
        {{"", ""}, {{"a", "b"}, {"1", ""}}},
        // A name starting with a byte-order mark (behind a control character that binding trims).
        {{"\x01\xEF\xBB\xBFstacja", "t"}, {{"Hel", "1"}}},
    };
    for (const QChar decimal : {QChar(u'.'), QChar(u',')}) {
        for (const QChar data : {QChar(u'\t'), QChar(u';'), QChar(u' '), QChar(u',')}) {
            for (std::size_t shape = 0; shape < shapes.size(); ++shape) {
                SeparatorScope scope(decimal);
                SCOPED_TRACE(
                    QStringLiteral("decimal %1 data %2 shape %3").arg(decimal).arg(data).arg(shape).toStdString());
                const Shape& from = shapes[shape];
                const int columns = int(from.names.size());
                const int rows = int(from.rows.size());
                TTable original(1);
                original.SetColCount(columns + 1);
                original.SetRowCount(rows + 1);
                for (int c = 1; c <= columns; ++c) {
                    original.BindHeader(c, QString::fromUtf8(from.names[std::size_t(c - 1)]), kinds);
                    for (int r = 1; r <= rows; ++r)
                        original.SetCellText(c, r,
                                             QString::fromUtf8(from.rows[std::size_t(r - 1)][std::size_t(c - 1)])
                                                 .replace(QLatin1Char('.'), decimal));
                }
                original.SetDataSeparator(data);
                const QString path = home.Path(QStringLiteral("round.txt"));
                ASSERT_TRUE(SaveTableAs(original, path, ui));

                // Opened as a user opens it: the detected data separator, typed only where the
                // detection misses it, and the file's decimal separator.
                const QChar fileDecimal = data != decimal ? decimal : decimal == u'.' ? QChar(u',') : QChar(u'.');
                DataFileText file;
                ASSERT_TRUE(ReadDataFile(path, file));
                const QChar detected = DetectDataSeparator(file.lines[std::size_t(FirstNonEmptyLine(file.lines))]);
                LoadOptions options;
                options.dataSeparator = SeparatorFieldText(detected == data ? QChar() : data);
                options.decimalSeparator = SeparatorFieldText(fileDecimal);
                ui.loadOptions = options;
                TableSet tables;
                RecentFiles recent;
                const TTable* loaded = OpenDataFile(path, tables, nullptr, kinds, ui, recent);
                ASSERT_NE(loaded, nullptr);
                ASSERT_EQ(loaded->ColCount(), original.ColCount());
                ASSERT_EQ(loaded->RowCount(), original.RowCount());
                for (int c = 1; c <= columns; ++c) {
                    EXPECT_EQ(loaded->HeaderText(c), original.HeaderText(c));
                    EXPECT_EQ(loaded->ColumnKind(c), original.ColumnKind(c));
                    for (int r = 1; r <= rows; ++r) {
                        EXPECT_EQ(loaded->DisplayText(c, r), original.DisplayText(c, r)) << c << "," << r;
                        EXPECT_EQ(loaded->CellData(c, r).NoValidValue, original.CellData(c, r).NoValidValue);
                        EXPECT_NEAR(loaded->CellNumber(c, r), original.CellNumber(c, r), 5e-7f) << c << "," << r;
                    }
                }
            }
        }
    }
    EXPECT_TRUE(ui.messages.empty());
}

// A file is read and written in blocks of lines on several threads: the table and the file written
// are the same for any count of threads, texts among the numbers included.
TEST_F(DataFileTest, ThreadsReadAndWriteAsOneDoes)
{
    QString text = QStringLiteral("t\tstacja\tx\n");
    for (int r = 1; r <= 10000; ++r)
        text += QStringLiteral("%1\t%2\t%3\n")
                    .arg(r % 7 == 0 ? QStringLiteral("brak") : QString::number(r * 0.01 - 40, 'f', 2))
                    .arg(r % 3 == 0 ? QStringLiteral("Łeba") : QString::number(r))
                    .arg(r % 11 == 0 ? QString() : QString::number(-r));
    const int threadsBefore = ordered_blocks::Threads();
    std::vector<QByteArray> written;
    std::vector<std::unique_ptr<TTable>> tables;
    for (const int threads : {1, 3}) {
        ordered_blocks::SetThreads(threads);
        tables.push_back(std::make_unique<TTable>(1));
        ASSERT_TRUE(Load(*tables.back(), text, LoadMode::NewTable, QChar(u'\t'), QChar(u'.')));
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        ASSERT_TRUE(WriteTable(*tables.back(), file));
        written.push_back(file.data());
    }
    ordered_blocks::SetThreads(threadsBefore);
    const TTable& one = *tables[0];
    const TTable& three = *tables[1];
    ASSERT_EQ(three.RowCount(), 10001);
    for (int c = 1; c < one.ColCount(); ++c)
        for (int r = 1; r < one.RowCount(); ++r) {
            ASSERT_EQ(three.DisplayText(c, r), one.DisplayText(c, r)) << c << "," << r;
            ASSERT_EQ(three.CellData(c, r).NoValidValue, one.CellData(c, r).NoValidValue);
            ASSERT_EQ(three.CellNumber(c, r), one.CellNumber(c, r));
        }
    EXPECT_EQ(three.DisplayText(2, 3), QStringLiteral("Łeba"));
    EXPECT_EQ(three.RowLabel(10000), QStringLiteral("10000"));
    EXPECT_EQ(written[1], written[0]);
    EXPECT_TRUE(written[0].startsWith("t\tstacja\tx\r\n"));
}

// What is not a regular file — a pipe, a device — is written in place, never replaced, and a
// failed write is a failure; a link to a regular file stays a link to the rewritten file.
TEST_F(DataFileTest, EveryWriterWritesIntoPipesAndDevicesAndThroughLinks)
{
    TTable table(1);
    Fill(table, 2);
    const std::vector<std::pair<const char*, std::function<bool(const QString&)>>> writers = {
        {"table", [&](const QString& path) { return WriteTableFile(table, path); }},
        {"selection",
         [&](const QString& path) {
             return SaveSelection(table, {1, 1, 2, 2, 1, 1}, path, ui);
         }},
        {"report", [&](const QString& path) { return SaveReport(QStringLiteral("raport"), path, ui); }},
        {"ini",
         [&](const QString& path) { return IniFile(path).WriteString(u"Options", u"Key", QStringLiteral("1")); }},
    };
    for (const auto& [name, write] : writers) {
        SCOPED_TRACE(name);
        const QString regular = home.Path(QStringLiteral("regular.txt"));
        QFile::remove(regular);
        ASSERT_TRUE(write(regular));
        const QByteArray expected = home.Read(QStringLiteral("regular.txt"));

        // The pipe holds a reader and a writer of its own, so that opening it does not wait and
        // the bytes (far fewer than the pipe holds) can be read once the writer is done.
        const QByteArray fifo = home.Path(QStringLiteral("fifo")).toLocal8Bit();
        ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
        const int reader = open(fifo.constData(), O_RDONLY | O_NONBLOCK);
        const int keeper = open(fifo.constData(), O_WRONLY);
        EXPECT_TRUE(write(QString::fromLocal8Bit(fifo)));
        close(keeper);
        QByteArray received(4096, '\0');
        received.resize(std::max<ssize_t>(0, read(reader, received.data(), std::size_t(received.size()))));
        close(reader);
        EXPECT_EQ(received, expected);
        struct stat status
        { };
        ASSERT_EQ(stat(fifo.constData(), &status), 0);
        ASSERT_TRUE(S_ISFIFO(status.st_mode));   // replaced: /dev/full must not be tried
        unlink(fifo.constData());

        EXPECT_FALSE(write(QStringLiteral("/dev/full")));
        ASSERT_EQ(stat("/dev/full", &status), 0);
        EXPECT_TRUE(S_ISCHR(status.st_mode));

        const QString link = home.Path(QStringLiteral("link.txt"));
        QFile::remove(link);
        ASSERT_TRUE(QFile::link(regular, link));
        EXPECT_TRUE(write(link));
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(home.Read(QStringLiteral("regular.txt")), expected);
    }
}

TEST_F(DataFileTest, ReadsExcelCsvAndWindows1250Files)
{
    DataFileText csv;
    ASSERT_TRUE(ReadDataFile(QStringLiteral(SALVENTO_TEST_DATA "/excel_utf8.csv"), csv));
    EXPECT_EQ(csv.lines[0], "stacja;t;f;v;N8");   // the byte-order mark is gone
    TTable excel(1);
    ASSERT_TRUE(LoadIntoTable(excel, QStringLiteral("x"), csv.lines, 0, LoadMode::NewTable,
                              DetectDataSeparator(csv.lines[0]), QChar(u','), kinds, ui));
    EXPECT_EQ(excel.RowCount(), 4);
    EXPECT_EQ(excel.DisplayText(1, 3), QStringLiteral("Łeba"));
    EXPECT_EQ(excel.CellNumber(2, 2), -3.25f);
    EXPECT_TRUE(excel.CellData(4, 2).NoValidValue);
    EXPECT_EQ(excel.DisplayText(5, 1), QStringLiteral("4"));

    DataFileText cp1250;
    ASSERT_TRUE(ReadDataFile(QStringLiteral(SALVENTO_TEST_DATA "/station_cp1250.txt"), cp1250));
    TTable station(2);
    ASSERT_TRUE(LoadIntoTable(station, QStringLiteral("y"), cp1250.lines, 0, LoadMode::NewTable,
                              DetectDataSeparator(cp1250.lines[0]), QChar(u'.'), kinds, ui));
    EXPECT_EQ(station.HeaderText(1), QStringLiteral("miejscowość"));
    EXPECT_EQ(station.DisplayText(1, 2), QStringLiteral("Świnoujście"));
    EXPECT_EQ(station.DisplayText(4, 2), QStringLiteral("mgła, wiatr"));
    EXPECT_EQ(station.ColumnKind(3), kinds.GetById(kind::td));
    EXPECT_EQ(station.CellNumber(3, 1), 12.25f);
}

}   // namespace
