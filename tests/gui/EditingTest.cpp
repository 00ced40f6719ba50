// Editing in a table window: the in-place editor, the edit commands through the real clipboard and
// their dialogs, the gestures of the grid's headers.

#include "GuiTestSupport.h"

#include "core/data/DataManager.h"
#include "core/table/Table.h"
#include "gui/table/TableWin.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor Silver(192, 192, 192);
const QColor Red(255, 0, 0);
const QColor White(255, 255, 255);

// A new table window of the main window with `cols` × `rows` data cells, unmodified.
TTableWin& NewTable(TMainForm& form, int cols, int rows)
{
    form.Actions().New->trigger();
    TTableWin& window = *form.ActiveTableWin();
    window.Table().SetColCount(cols + 1);
    window.Table().SetRowCount(rows + 1);
    window.Table().SetRowLabels(1, rows);
    return window;
}

// The colour the grid paints data cell (c, r) with when it is not selected.
QColor Background(const TTableWin& window, int c, int r)
{
    return window.Grid()->model()->index(r - 1, c - 1).data(Qt::BackgroundRole).value<QBrush>().color();
}

QString StatusPanel(const TTableWin& window, int panel)
{
    return window.findChild<QStatusBar*>(QStringLiteral("StatusBar"))->findChildren<QLabel*>().at(panel)->text();
}

// The in-place editor of the current cell, opened.
QLineEdit* OpenEditor(TTableWin& window, int c, int r)
{
    window.SetCurrentCell(c, r);
    window.Grid()->edit(window.Grid()->currentIndex());
    return qobject_cast<QLineEdit*>(window.Grid()->indexWidget(window.Grid()->currentIndex()));
}

// Enter in the editor: the view stores its text once the key has been handled.
void PressEnter(QLineEdit* editor)
{
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
}

QPoint SectionCentre(const QHeaderView* header, int section)
{
    const int along = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
    return header->orientation() == Qt::Horizontal ? QPoint(along, header->height() / 2)
                                                   : QPoint(header->width() / 2, along);
}

// Drags section `from` of a header with the mouse and drops it on the place of section `to`.
void DragSection(QHeaderView* header, int from, int to)
{
    const QPoint start = SectionCentre(header, from);
    QPoint end = SectionCentre(header, to);
    end += (end - start) / std::abs(to - from) / 4;   // past the middle of the target
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, start);
    for (int step = 1; step <= 10; ++step)
        QTest::mouseMove(header->viewport(), start + (end - start) * step / 10);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, end);
}

void ExpectSelection(const TTableWin& window, TableSelection expected)
{
    const TableSelection selection = window.CurrentSelection();
    EXPECT_EQ(selection.Left, expected.Left);
    EXPECT_EQ(selection.Top, expected.Top);
    EXPECT_EQ(selection.Right, expected.Right);
    EXPECT_EQ(selection.Bottom, expected.Bottom);
    EXPECT_EQ(selection.Col, expected.Col);
    EXPECT_EQ(selection.Row, expected.Row);
}

TEST(Editing, CellsAreSingleLinesAsTallAsTheFont)
{
    MainFormFixture fixture;
    QTableView* grid = NewTable(fixture.Form(), 1, 1).Grid();
    EXPECT_FALSE(grid->wordWrap());
    EXPECT_LE(grid->rowHeight(0), grid->fontMetrics().height() + 8);
}

TEST(Editing, TypedTextIsStoredWhenTheEditorClosesOrTheCursorMovesOn)
{
    MainFormFixture fixture;
    TTableWin& window = NewTable(fixture.Form(), 2, 3);
    TTable& table = window.Table();
    table.BindHeader(1, u"t", fixture.Form().Workbench().Kinds());   // air temperature: admissible −90…60 as shipped
    table.SetCellText(2, 1, u"3.14159");

    // The editor starts with two decimals; Esc leaves the full value and an unmodified table.
    window.SetCurrentCell(2, 1);
    EXPECT_EQ(StatusPanel(window, 0), QStringLiteral("[Nieznana dana wejściowa lub wskaźnik]"));
    EXPECT_EQ(StatusPanel(window, 1), QStringLiteral("3.141590"));
    QLineEdit* editor = OpenEditor(window, 2, 1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("3.14"));
    QTest::keyClicks(editor, QStringLiteral("8"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(window.Editing());
    EXPECT_EQ(table.DisplayText(2, 1), QStringLiteral("3.14"));
    EXPECT_EQ(table.CellNumber(2, 1), 3.14159f);
    EXPECT_FALSE(table.Modified());

    // Leaving the editor with the number as shown keeps it as it was.
    editor = OpenEditor(window, 2, 1);
    PressEnter(editor);
    EXPECT_EQ(table.CellNumber(2, 1), 3.14159f);
    EXPECT_FALSE(table.Modified());

    // 70 °C is stored, and red, as the editor closes.
    editor = OpenEditor(window, 1, 1);
    QTest::keyClicks(editor, QStringLiteral("70"));
    PressEnter(editor);
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("70.00"));
    EXPECT_EQ(Background(window, 1, 1), Red);
    EXPECT_TRUE(table.Modified());

    // Text is stored as the cursor moves on, and grey; a number in range is white.
    editor = OpenEditor(window, 1, 2);
    QTest::keyClicks(editor, QStringLiteral("abc"));
    window.SetCurrentCell(1, 3);
    EXPECT_EQ(table.DisplayText(1, 2), QStringLiteral("abc"));
    EXPECT_EQ(Background(window, 1, 2), Silver);
    editor = OpenEditor(window, 1, 3);
    QTest::keyClicks(editor, QStringLiteral("20"));
    PressEnter(editor);
    EXPECT_EQ(Background(window, 1, 3), White);
    EXPECT_EQ(StatusPanel(window, 0), fixture.Form().Workbench().Kinds().FindByName(u"t")->Description);
}

TEST(Editing, CopyCutAndPasteGoThroughTheClipboard)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    TTableWin& window = NewTable(form, 2, 2);
    TTable& table = window.Table();
    table.SetColumnHeader(1, QStringLiteral("a"), nullptr);
    table.SetColumnHeader(2, QStringLiteral("b"), nullptr);
    table.SetCellText(1, 1, u"1");
    table.SetCellText(2, 1, u"2");
    table.SetCellText(1, 2, u"3");
    table.SetCellText(2, 2, u"abc");
    QClipboard* clipboard = QApplication::clipboard();

    window.SelectBlock(1, 1, 2, 2);
    form.Actions().Copy->trigger();
    EXPECT_EQ(clipboard->text(), QStringLiteral("1.000000\t2.000000\r\n3.000000\tabc"));
    form.Actions().CopyWithNames->trigger();
    EXPECT_EQ(clipboard->text(), QStringLiteral("a\tb\r\n1.000000\t2.000000\r\n3.000000\tabc"));

    window.SelectBlock(1, 1, 1, 2);
    form.Actions().Cut->trigger();
    EXPECT_EQ(clipboard->text(), QStringLiteral("1.000000\r\n3.000000"));
    EXPECT_EQ(table.DisplayText(1, 1), QString());
    EXPECT_EQ(Background(window, 1, 2), Silver);
    EXPECT_TRUE(table.Modified());

    // Pasted at the current cell; what falls beyond the last column is dropped unless the table may
    // grow to take it.
    clipboard->setText(QStringLiteral("7;8;9\r\n"));
    window.SetCurrentCell(2, 2);
    QString grow;
    AnswerMessage(QMessageBox::No, &grow);
    form.Actions().Paste->trigger();
    EXPECT_EQ(
        grow,
        QStringLiteral("Wklejane dane nie mieszczą się w tabeli. Czy powiększyć tabelę do 4 kolumn i 2 wierszy ?"));
    EXPECT_EQ(table.DisplayText(2, 2), QStringLiteral("7.00"));
    EXPECT_EQ(table.ColCount(), 3);
    AnswerMessage(QMessageBox::Yes);
    form.Actions().Paste->trigger();
    EXPECT_EQ(table.ColCount(), 5);
    EXPECT_EQ(table.DisplayText(4, 2), QStringLiteral("9.00"));

    // With names only after Yes; the names bind to kinds and keep the pasted text.
    clipboard->setText(QStringLiteral("T\tx\r\n12\t13"));
    window.SetCurrentCell(1, 1);
    AnswerMessage(QMessageBox::No);
    form.Actions().PasteWithNames->trigger();
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("a"));
    QString question;
    AnswerMessage(QMessageBox::Yes, &question);
    form.Actions().PasteWithNames->trigger();
    EXPECT_EQ(question,
              QStringLiteral("Ta operacja zamieni nazwy części kolumn w tabeli na nazwy zawarte w Schowku.\n"
                             "Czy jesteś pewien, że chcesz kontynuować ?"));
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("T"));
    EXPECT_EQ(table.ColumnKind(1), form.Workbench().Kinds().FindByName(u"t"));
    EXPECT_EQ(table.HeaderText(2), QStringLiteral("x"));
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("12.00"));
    EXPECT_EQ(table.DisplayText(2, 1), QStringLiteral("13.00"));
}

TEST(Editing, DeleteKeepsTheCellsWhileTheEditorIsOpen)
{
    MainFormFixture fixture;
    TTableWin& window = NewTable(fixture.Form(), 1, 1);
    window.Table().SetCellText(1, 1, u"5");
    ASSERT_NE(OpenEditor(window, 1, 1), nullptr);
    fixture.Form().Actions().Clear->trigger();
    EXPECT_EQ(window.Table().DisplayText(1, 1), QStringLiteral("5.00"));
    EXPECT_FALSE(window.Table().Modified());
}

TEST(Editing, RowsAndColumnsAreInsertedAndDeletedThroughTheDialogs)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    TTableWin& window = NewTable(form, 1, 5);
    TTable& table = window.Table();
    for (int r = 1; r <= 5; ++r)
        table.SetCellNumber(1, r, float(r));
    const auto answer = [](const QString& title, const QString& rows, const QString& cols, const QString& place,
                           const QString& button) {
        WhenModal([=](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), title);
            dialog->findChild<QLineEdit*>(QStringLiteral("edRows"))->setText(rows);
            dialog->findChild<QLineEdit*>(QStringLiteral("edCols"))->setText(cols);
            if (!place.isEmpty())
                for (QRadioButton* radio : dialog->findChildren<QRadioButton*>())
                    radio->setChecked(radio->text() == place);
            Press(dialog, button);
        });
    };

    // The dialog opens with the selection's counts and "at the cursor": two rows before row 3.
    window.SetCurrentCell(1, 3);
    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("edRows"))->text(), QStringLiteral("0"));
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("edCols"))->text(), QStringLiteral("1"));
        for (QRadioButton* radio : dialog->findChildren<QRadioButton*>())
            EXPECT_EQ(radio->isChecked(), radio->text() == QStringLiteral("Tu gdzie k&ursor"));
        dialog->findChild<QLineEdit*>(QStringLiteral("edRows"))->setText(QStringLiteral("2"));
        dialog->findChild<QLineEdit*>(QStringLiteral("edCols"))->setText(QString());
        Press(dialog, QStringLiteral("&Wstaw"));
    });
    form.Actions().Insert->trigger();
    ASSERT_EQ(table.RowCount(), 8);
    const QStringList shown = {
        QStringLiteral("1.00"), QStringLiteral("2.00"), QString(), QString(), QStringLiteral("3.00"),
        QStringLiteral("4.00"), QStringLiteral("5.00")};
    for (int r = 1; r <= 7; ++r) {
        EXPECT_EQ(table.DisplayText(1, r), shown[r - 1]) << r;
        EXPECT_EQ(window.Grid()->model()->headerData(r - 1, Qt::Vertical).toString(), QString::number(r));
    }
    ExpectSelection(window, TableSelection::Cell(1, 3));

    // Two columns at the end.
    answer(QStringLiteral("Wstaw kolumny / wiersze"), QStringLiteral("0"), QStringLiteral("2"),
           QStringLiteral("Na &końcu tabeli"), QStringLiteral("&Wstaw"));
    form.Actions().Insert->trigger();
    EXPECT_EQ(table.ColCount(), 4);

    // Three rows from row 6 of 7 remove two; the cursor comes back into the table. After a row in
    // the middle goes, the cursor stays where it was, on the row that moved up.
    window.SetCurrentCell(3, 6);
    answer(QStringLiteral("Usuń kolumny / wiersze"), QStringLiteral("3"), QStringLiteral("0"), QString(),
           QStringLiteral("&Usuń"));
    form.Actions().Delete->trigger();
    EXPECT_EQ(table.RowCount(), 6);
    ExpectSelection(window, TableSelection::Cell(3, 5));
    window.SetCurrentCell(1, 2);
    answer(QStringLiteral("Usuń kolumny / wiersze"), QStringLiteral("1"), QStringLiteral("0"), QString(),
           QStringLiteral("&Usuń"));
    form.Actions().Delete->trigger();
    EXPECT_EQ(table.RowCount(), 5);
    EXPECT_EQ(table.DisplayText(1, 2), QString());   // the first inserted row
    ExpectSelection(window, TableSelection::Cell(1, 2));

    // Ten columns from column 2 are reduced, with a warning, so that one column remains.
    window.SetCurrentCell(2, 1);
    QString warning;
    WhenModal([&warning](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("edCols"))->setText(QStringLiteral("10"));
        AnswerMessage(QMessageBox::Ok, &warning);
        Press(dialog, QStringLiteral("&Usuń"));
    });
    form.Actions().Delete->trigger();
    EXPECT_FALSE(warning.isEmpty());
    EXPECT_EQ(table.ColCount(), 2);
    EXPECT_EQ(table.RowCount(), 5);
    ExpectSelection(window, TableSelection::Cell(1, 1));
    EXPECT_TRUE(table.Modified());
}

TEST(Editing, ColumnIsRenamedThroughTheColumnOptions)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    TTableWin& window = NewTable(form, 2, 2);
    TTable& table = window.Table();
    table.SetColumnHeader(1, QStringLiteral("a"), nullptr);
    table.SetColumnHeader(2, QStringLiteral("b"), nullptr);
    table.SetCellText(1, 2, u"70");
    table.SetModified(false);
    const QString description = form.Workbench().Kinds().FindByName(u"t")->Description;

    // Each refused name keeps the dialog open for the next; the last one is accepted.
    QStringList refusals;
    std::function<void(QStringList)> tryNames = [&](QStringList names) {
        WhenModal([&, names](QWidget* dialog) mutable {
            auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("cmbColName"));
            combo->setEditText(names.takeFirst());
            if (!names.isEmpty()) {
                WhenModal([&, names](QWidget* box) {
                    refusals.append(qobject_cast<QMessageBox*>(box)->text());
                    qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
                    tryNames(names);
                });
            } else {
                EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lbDescr"))->text(), description);
            }
            Press(dialog, QStringLiteral("&Zmień"));
        });
    };
    WhenModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Opcje kolumny"));
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("cmbColName"));
        EXPECT_EQ(combo->currentText(), QStringLiteral("a"));
        EXPECT_EQ(combo->lineEdit()->selectedText(), QStringLiteral("a"));
        EXPECT_EQ(combo->count(), 95);   // the kinds a column can be bound to
        const int t = combo->findText(QStringLiteral("t"));
        EXPECT_EQ(combo->model()->index(t, 1).data().toString(), description);   // beside its name in the list
        for (int i = 1; i < combo->count(); ++i)
            EXPECT_LE(combo->itemText(i - 1).compare(combo->itemText(i), Qt::CaseInsensitive), 0);
        EXPECT_EQ(combo->lineEdit()->maxLength(), 20);
        EXPECT_EQ(combo->maxVisibleItems(), 10);
        tryNames({QStringLiteral("12"), QStringLiteral("B"), QStringLiteral("T")});
    });
    // The double press on the header makes the column's first row current and opens its options.
    window.SetCurrentCell(2, 2);
    QHeaderView* header = window.Grid()->horizontalHeader();
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, SectionCentre(header, 0));
    EXPECT_EQ(refusals,
              QStringList({QStringLiteral("Nazwa kolumny nie może być liczbą !"),
                           QStringLiteral("Kolumna o podanej nazwie już istnieje w tej tabeli !")}));
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("t"));
    EXPECT_EQ(window.Grid()->model()->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
              QColor(0, 0, 255));
    EXPECT_EQ(table.DisplayText(1, 2), QStringLiteral("70.00"));   // not parsed again, but out of range now
    EXPECT_EQ(Background(window, 1, 2), Red);
    EXPECT_TRUE(table.Modified());
}

TEST(Editing, SelectionIsSavedToAFile)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    TTableWin& window = NewTable(form, 3, 3);
    TTable& table = window.Table();
    table.SetColumnHeader(2, QStringLiteral("b"), nullptr);
    table.SetColumnHeader(3, QStringLiteral("c"), nullptr);
    table.SetCellText(2, 2, u"1.5");
    table.SetCellText(3, 3, u"x");
    table.SetModified(false);
    const QString path = fixture.Home().Path(QStringLiteral("block"));
    WhenModal([path](QWidget* dialog) {
        auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(fileDialog, nullptr);
        EXPECT_EQ(fileDialog->windowTitle(), QStringLiteral("Zapisz zaznaczony obszar jako"));
        // Typed into the name field (selectFile leaves a focused field alone).
        fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(fileDialog, "accept");
    });
    window.SelectBlock(2, 2, 3, 3);
    form.Actions().SaveSelection->trigger();
    EXPECT_EQ(fixture.Home().Read(QStringLiteral("block.dat")), QByteArray("b\tc\r\n1.500000\t\r\n\tx"));
    EXPECT_FALSE(table.Modified());
    EXPECT_TRUE(table.FileName().isEmpty());
}

TEST(Editing, HeaderPressesSelectAndDoublePressesRunCommands)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    const int last = 200;
    TTableWin& window = NewTable(form, 3, last);
    QTableView* grid = window.Grid();
    QHeaderView* header = grid->horizontalHeader();

    // A column header: the column, its last row current; Shift extends from the top.
    window.SetCurrentCell(1, 3);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, SectionCentre(header, 1));
    ExpectSelection(window, {2, 1, 2, last, 2, last});
    EXPECT_EQ(grid->verticalScrollBar()->value(), 0);   // the view stays where it was
    QTest::keyClick(grid, Qt::Key_Up, Qt::ShiftModifier);
    ExpectSelection(window, {2, 1, 2, last - 1, 2, last - 1});

    // Ctrl+Up: the current column, extended from its top too.
    window.SetCurrentCell(3, 2);
    QTest::keyClick(grid, Qt::Key_Up, Qt::ControlModifier);
    ExpectSelection(window, {3, 1, 3, last, 3, last});
    QTest::keyClick(grid, Qt::Key_Up, Qt::ShiftModifier);
    ExpectSelection(window, {3, 1, 3, last - 1, 3, last - 1});

    // The corner: every data cell; pressed twice, the read/write options.
    auto* corner = grid->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(corner, nullptr);
    QTest::mouseClick(corner, Qt::LeftButton);
    ExpectSelection(window, {1, 1, 3, last, 3, last});
    int options = 0;
    QObject::connect(form.Actions().Options, &QAction::triggered, [&options] { ++options; });
    WhenModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    QTest::mouseDClick(corner, Qt::LeftButton);
    EXPECT_EQ(options, 1);
}

TEST(Editing, DraggedRowsAndColumnsMoveInTheTable)
{
    MainFormFixture fixture;
    TTableWin& window = NewTable(fixture.Form(), 3, 3);
    TTable& table = window.Table();
    for (int c = 1; c <= 3; ++c) {
        table.SetColumnHeader(c, QStringLiteral("k%1").arg(c), nullptr);
        for (int r = 1; r <= 3; ++r)
            table.SetCellNumber(c, r, float(10 * c + r));
    }
    table.SetModified(false);
    QHeaderView* rows = window.Grid()->verticalHeader();
    QHeaderView* columns = window.Grid()->horizontalHeader();

    // The first row dropped on the last place, the last column on the first.
    DragSection(rows, 0, 2);
    ExpectSelection(window, {1, 3, 3, 3, 1, 3});   // the row pressed and dragged, where it went
    DragSection(columns, 2, 0);
    const int expected[3][3] = {{32, 33, 31}, {12, 13, 11}, {22, 23, 21}};   // [column][row]
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r) {
            EXPECT_EQ(table.CellNumber(c, r), float(expected[c - 1][r - 1])) << c << ',' << r;
            EXPECT_EQ(window.Grid()->model()->index(r - 1, c - 1).data().toString(), table.DisplayText(c, r));
        }
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("k3"));
    ExpectSelection(window, {1, 1, 1, 3, 1, 3});   // the column pressed and dragged, where it went
    // Labels travel with their rows, and the headers show the table's order.
    EXPECT_EQ(table.RowLabel(3), QStringLiteral("1"));
    for (QHeaderView* header : {rows, columns})
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(header->logicalIndex(i), i);
    EXPECT_TRUE(table.Modified());   // a move is a change that can be undone
}

}   // namespace
