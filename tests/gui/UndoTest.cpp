// Undo and redo of the changes made to a table through the desktop's commands.

#include "GuiTestSupport.h"

#include "core/table/Table.h"
#include "gui/table/TableUndo.h"
#include "gui/table/TableWin.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace {

// Everything a table shows and holds, one line a column.
QStringList Contents(const TTable& table)
{
    QStringList lines{QStringLiteral("labels")};
    for (int r = 1; r < table.RowCount(); ++r)
        lines.last() += QLatin1Char(' ') + table.RowLabel(r);
    for (int c = 1; c < table.ColCount(); ++c) {
        lines.append(table.HeaderText(c) + (table.ColumnKind(c) ? QStringLiteral(" (kind)") : QString()));
        for (int r = 1; r < table.RowCount(); ++r) {
            const TCellData& cell = table.CellData(c, r);
            lines.last() += QStringLiteral(" [%1 %2 %3]")
                                .arg(table.DisplayText(c, r))
                                .arg(cell.NoValidValue ? QStringLiteral("-") : QString::number(cell.Number))
                                .arg(cell.RangeState);
        }
    }
    return lines;
}

void Type(TTableWin& window, int c, int r, const QString& text)
{
    window.SetCurrentCell(c, r);
    window.Grid()->edit(window.Grid()->currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(window.Grid()->indexWidget(window.Grid()->currentIndex()));
    ASSERT_NE(editor, nullptr);
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
}

// Answers the insert or delete dialog with these counts, at the cursor.
void AnswerCounts(const QString& rows, const QString& cols, const QString& button)
{
    WhenModal([=](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("edRows"))->setText(rows);
        dialog->findChild<QLineEdit*>(QStringLiteral("edCols"))->setText(cols);
        Press(dialog, button);
    });
}

void Drag(QHeaderView* header, int from, int to)
{
    const auto centre = [header](int section) {
        const int along = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
        return header->orientation() == Qt::Horizontal ? QPoint(along, header->height() / 2)
                                                       : QPoint(header->width() / 2, along);
    };
    const QPoint start = centre(from);
    const QPoint end = centre(to) + (centre(to) - start) / 4;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, start);
    for (int step = 1; step <= 10; ++step)
        QTest::mouseMove(header->viewport(), start + (end - start) * step / 10);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, end);
}

// Wind chill from the table "Tabela  2" into "Tabela  1".
void CalculateIntoFirstTable()
{
    WhenModal([](QWidget* setup) {
        auto* tables = setup->findChild<QListWidget*>(QStringLiteral("lbTables"));
        tables->setCurrentItem(tables->findItems(QStringLiteral("Tabela  2 ()"), Qt::MatchExactly).first());
        setup->findChild<QAbstractButton*>(QStringLiteral("btnToRight"))->click();
        tables->setCurrentItem(tables->findItems(QStringLiteral("Tabela  1 ()"), Qt::MatchExactly).first());
        Press(setup, QStringLiteral("&Zaznaczona"));
        WhenModal([](QWidget* selection) {
            auto* indexes = selection->findChild<QListWidget*>(QStringLiteral("lbIndexes"));
            indexes->clearSelection();
            for (const QString& name : {QStringLiteral("WCI"), QStringLiteral("WCT")})
                indexes->setCurrentItem(indexes->findItems(name, Qt::MatchExactly).first(),
                                        QItemSelectionModel::Select);
            Press(selection, QStringLiteral("O&blicz"));
        });
        setup->findChild<QAbstractButton*>(QStringLiteral("btnOKSimple"))->click();
    });
}

struct Change
{
    const char* what;   // the step as the Undo caption names it
    std::function<void(TMainForm&, TTableWin&)> make;
};

TEST(Undo, EveryChangeIsOneStepUndoneAndRedone)
{
    const Change changes[] = {
        {"wpisywanie", [](TMainForm&, TTableWin& window) { Type(window, 2, 2, QStringLiteral("x")); }},
        {"wklejanie",
         [](TMainForm& form, TTableWin& window) {
             QApplication::clipboard()->setText(QStringLiteral("1\t2\t3\r\n4\t5\t6\r\n7"));
             window.SetCurrentCell(2, 2);
             AnswerMessage(QMessageBox::Yes);   // the table grows to take it
             form.Actions().Paste->trigger();
         }},
        {"wycinanie",
         [](TMainForm& form, TTableWin& window) {
             window.SelectBlock(1, 1, 2, 2);
             form.Actions().Cut->trigger();
         }},
        {"usuwanie",
         [](TMainForm& form, TTableWin& window) {
             window.SelectBlock(2, 1, 3, 2);
             form.Actions().Clear->trigger();
         }},
        {"wstawianie kolumn/wierszy",
         [](TMainForm& form, TTableWin& window) {
             window.SetCurrentCell(2, 2);
             AnswerCounts(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("&Wstaw"));
             form.Actions().Insert->trigger();
         }},
        {"usuwanie kolumn/wierszy",
         [](TMainForm& form, TTableWin& window) {
             window.SetCurrentCell(1, 1);
             AnswerCounts(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("&Usuń"));
             form.Actions().Delete->trigger();
         }},
        {"zmiana opcji kolumny",
         [](TMainForm& form, TTableWin& window) {
             window.SetCurrentCell(3, 1);   // "uwagi" becomes v: bound, its numbers range-checked
             WhenModal([](QWidget* dialog) {
                 dialog->findChild<QComboBox*>(QStringLiteral("cmbColName"))->setEditText(QStringLiteral("v"));
                 Press(dialog, QStringLiteral("&Zmień"));
             });
             form.Actions().ColumnOptions->trigger();
         }},
        {"przesuwanie wiersza", [](TMainForm&, TTableWin& window) { Drag(window.Grid()->verticalHeader(), 0, 1); }},
        {"przesuwanie kolumny", [](TMainForm&, TTableWin& window) { Drag(window.Grid()->horizontalHeader(), 2, 0); }},
        {"obliczenia",
         [](TMainForm& form, TTableWin&) {
             // Three rows of t and v: the table's WCI is overwritten, WCT added, one row appended.
             AddTable(form, {QStringLiteral("t"), QStringLiteral("v")}, {{"-10", "4"}, {"0", "1"}, {"5", "2"}});
             CalculateIntoFirstTable();
             form.Actions().Calculate->trigger();
         }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        MainFormFixture fixture;
        TMainForm& form = fixture.Form();
        TTable& table = AddTable(form, {QStringLiteral("WCI"), QStringLiteral("t"), QStringLiteral("uwagi")},
                                 {{"1", "-200", "500"}, {"2", "abc"}});
        TTableWin& window = *form.ActiveTableWin();
        const QStringList before = Contents(table);
        change.make(form, window);
        const QStringList after = Contents(table);
        ASSERT_NE(after, before);
        ASSERT_EQ(window.Undo().Stack()->count(), 1);
        EXPECT_TRUE(table.Modified());

        QAction* undo = form.Actions().Undo;
        EXPECT_EQ(undo->text(), QStringLiteral("&Cofnij: ") + QString::fromUtf8(change.what));
        undo->trigger();
        EXPECT_EQ(Contents(table), before);
        EXPECT_FALSE(table.Modified());
        EXPECT_FALSE(undo->isEnabled());
        form.Actions().Redo->trigger();
        EXPECT_EQ(Contents(table), after);
        EXPECT_TRUE(table.Modified());
        // Once more each way: the step goes on working after it was taken back.
        undo->trigger();
        EXPECT_EQ(Contents(table), before);
        form.Actions().Redo->trigger();
        EXPECT_EQ(Contents(table), after);
    }
}

TEST(Undo, StackKeepsTheLatestStepsAndSavingMarksTheCleanState)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    TTable& table = AddTable(form, {QStringLiteral("a")}, {{"0"}});
    TTableWin& window = *form.ActiveTableWin();
    const int typed = TableUndo::UndoLimit + 5;
    for (int i = 1; i <= typed; ++i)
        Type(window, 1, 1, QString::number(i));
    EXPECT_EQ(window.Undo().Stack()->count(), TableUndo::UndoLimit);
    while (form.Actions().Undo->isEnabled())
        form.Actions().Undo->trigger();
    EXPECT_EQ(table.CellNumber(1, 1), float(typed - TableUndo::UndoLimit));
    EXPECT_TRUE(table.Modified());   // the state before the first step kept is not the loaded one

    // Saved, the table is clean again where it was saved, and only there.
    table.BindFile(fixture.Home().Path(QStringLiteral("a.txt")));
    form.Actions().Save->trigger();
    EXPECT_FALSE(table.Modified());
    form.Actions().Redo->trigger();
    EXPECT_TRUE(table.Modified());
    form.Actions().Undo->trigger();
    EXPECT_FALSE(table.Modified());
}

}   // namespace
