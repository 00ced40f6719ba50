#include "GuiTestSupport.h"

#include "core/data/AbstractData.h"
#include "core/data/DataManager.h"
#include "core/stats/ColumnReport.h"
#include "core/table/Table.h"
#include "gui/table/TableWin.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

void Activate(TMainForm& form, const TTable& table)
{
    for (QMdiSubWindow* window : form.MdiArea()->subWindowList())
        if (window->widget() == form.WindowOf(&table))
            form.MdiArea()->setActiveSubWindow(window);
}

// The cursor of the active table window as (column, row) of the table.
std::pair<int, int> Cursor(TMainForm& form)
{
    const TableSelection selection = form.ActiveTableWin()->CurrentSelection();
    return {selection.Col, selection.Row};
}

TEST(StatsSearch, StatisticsOptionsKeepEachColumnAndRefuseInvalidFields)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    const TTable& table = AddTable(form, {QStringLiteral("x"), QStringLiteral("HSI")},
                                   {{QStringLiteral("2"), QStringLiteral("10")},
                                    {QStringLiteral("4"), QStringLiteral("50")},
                                    {QStringLiteral("6"), QStringLiteral("80")}});
    // Both columns in the first row: a single-row selection stands for the whole columns.
    QTableView* grid = form.ActiveTableWin()->Grid();
    grid->setCurrentIndex(grid->model()->index(0, 0));
    grid->selectionModel()->select(QItemSelection(grid->model()->index(0, 0), grid->model()->index(0, 1)),
                                   QItemSelectionModel::ClearAndSelect);
    const TAbstractData* hsi = table.ColumnKind(2);
    ASSERT_NE(hsi, nullptr);
    ASSERT_EQ(hsi->Thresholds.size(), 3u);
    const QString saved = fixture.Home().Path(QStringLiteral("report"));
    QStringList report;

    WhenModal([&](QWidget* options) {
        EXPECT_EQ(options->windowTitle(), QStringLiteral("Obliczenia statystyczne - opcje"));
        auto* cmbCol = Find<QComboBox>(options, "cmbCol");
        ASSERT_EQ(cmbCol->count(), 2);
        EXPECT_EQ(cmbCol->itemText(1), QStringLiteral("HSI"));
        // A column without a kind: every mode but the standard classes.
        EXPECT_FALSE(Find<QRadioButton>(options, "rbStandard")->isEnabled());
        EXPECT_TRUE(Find<QRadioButton>(options, "rbDontCalc")->isChecked());
        EXPECT_EQ(Find<QLineEdit>(options, "edTo")->text(), QStringLiteral("3"));
        auto* edHistCount = Find<QLineEdit>(options, "edHistCount");
        EXPECT_FALSE(edHistCount->isEnabled());
        Find<QRadioButton>(options, "rbHistCount")->click();
        EXPECT_TRUE(edHistCount->isEnabled());

        // Leaving the column with an invalid count: the message, and the column stays.
        edHistCount->setText(QStringLiteral("dwa"));
        QString message;
        AnswerMessage(QMessageBox::Ok, &message);
        cmbCol->setCurrentIndex(1);
        EXPECT_EQ(message, QStringLiteral("Pole 'ilość przedziałów' musi zawierać liczbę rzeczywistą !"));
        EXPECT_EQ(cmbCol->currentIndex(), 0);
        EXPECT_TRUE(Find<QRadioButton>(options, "rbHistCount")->isChecked());

        edHistCount->setText(QStringLiteral("2"));
        cmbCol->setCurrentIndex(1);
        EXPECT_EQ(Find<QLabel>(options, "lbDescr")->text(), hsi->Description);
        EXPECT_TRUE(Find<QRadioButton>(options, "rbStandard")->isChecked());
        EXPECT_FALSE(Find<QRadioButton>(options, "rbUser")->isEnabled());
        EXPECT_FALSE(edHistCount->isEnabled());
        cmbCol->setCurrentIndex(0);   // the settings of the first column come back
        EXPECT_TRUE(Find<QRadioButton>(options, "rbHistCount")->isChecked());
        EXPECT_EQ(edHistCount->text(), FormatNumber(2.0f, 2));

        // OK with an invalid last row keeps the dialog open; a row past the end is taken as the last.
        auto* edTo = Find<QLineEdit>(options, "edTo");
        edTo->setText(QStringLiteral("z"));
        AnswerMessage(QMessageBox::Ok, &message);
        Press(options, QStringLiteral("O&bliczaj"));
        EXPECT_EQ(message, QStringLiteral("Pole 'do wiersza' musi zawierać liczbę całkowitą !"));
        EXPECT_TRUE(options->isVisible());
        edTo->setText(QStringLiteral("50"));

        WhenModal([&](QWidget* result) {
            EXPECT_EQ(result->windowTitle(), QStringLiteral("Obliczenia statystyczne - wynik"));
            auto* memText = Find<QPlainTextEdit>(result, "memText");
            EXPECT_FALSE(memText->isReadOnly());
            report = memText->toPlainText().split(QLatin1Char('\n'));
            // The report may be edited; the file holds what the window shows.
            memText->appendPlainText(QStringLiteral("Uwagi: pomiar próbny"));
            WhenModal([saved](QWidget* dialog) {
                auto* dlgSave = qobject_cast<QFileDialog*>(dialog);
                ASSERT_NE(dlgSave, nullptr);
                EXPECT_EQ(dlgSave->windowTitle(), QStringLiteral("Zapisz wynik obliczeń statystycznych jako ..."));
                dlgSave->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(saved);
                QMetaObject::invokeMethod(dlgSave, "accept");
            });
            Press(result, QStringLiteral("&Zapisz ..."));
            Press(result, QStringLiteral("Z&amknij"));
        });
        Press(options, QStringLiteral("O&bliczaj"));
    });
    form.Actions().Statistics->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The 2, 4, 6 column with two intervals of equal width: 2 … 3.99 and from 4 up (hand count).
    ASSERT_GE(report.size(), 19);
    QStringList first = report.mid(0, 19);
    for (QString& line : first)
        line.replace(SystemDecimalSeparator(), QStringLiteral("."));
    const QStringList expected = {
        QString(),
        QStringLiteral("            Kolumna x"),
        QString(),
        QStringLiteral("Ilość wierszy:                   3  (od 1 do 3)"),
        QStringLiteral("Ilość danych liczbowych:         3"),
        QStringLiteral("w tym spoza dopuszcz. zakresu:   0"),
        QStringLiteral("Ilość napisów:                   0"),
        QStringLiteral("Suma:                              12.000"),
        QStringLiteral("Minimalna wartość:                  2.000"),
        QStringLiteral("Maksymalna wartość:                 6.000"),
        QStringLiteral("Średnia arytmetyczna:               4.000 ± 1.155"),
        QStringLiteral("Wariancja:                          4.000 ± 4.000"),
        QStringLiteral("Odchylenie standardowe:             2.000 ± 1.000"),
        QStringLiteral("'Coefficient of the variance':     50.000 %"),
        QString(),
        QStringLiteral("PRZEDZIAŁY CZĘSTOŚCI:"),
        QStringLiteral("     1 razy: od -INFINITY do      3.99"),
        QStringLiteral("     2 razy: od      4.00 do +INFINITY"),
        QString(),
    };
    EXPECT_EQ(first, expected);
    // The HSI column in its standard classes (thresholds 30 and 70): one value in each.
    EXPECT_EQ(report[19], QStringLiteral("            Kolumna HSI (%1)").arg(hsi->Description));
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(report[report.size() - 3 + qsizetype(i)], QStringLiteral("     1 razy: ") + hsi->Thresholds[i].Name);

    EXPECT_EQ(fixture.Home().Read(QStringLiteral("report.txt")),
              (report.join(QStringLiteral("\r\n")) + QStringLiteral("\r\nUwagi: pomiar próbny\r\n")).toUtf8());
}

TEST(StatsSearch, DataSearchAndSearchAgain)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    EXPECT_FALSE(form.Actions().Find->isEnabled());
    AddTable(form, {QStringLiteral("t")},
             {{QStringLiteral("abc")},
              {QStringLiteral("20.4")},
              {QStringLiteral("19")},
              {QStringLiteral("20.5")},
              {QStringLiteral("20")}});
    EXPECT_TRUE(form.Actions().Find->isEnabled());
    EXPECT_FALSE(form.Actions().FindAgain->isEnabled());   // nothing to repeat yet
    EXPECT_EQ(form.Actions().FindAgain->shortcut(), QKeySequence(Qt::Key_F3));
    form.ActiveTableWin()->SelectCell(1, 1);

    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Wyszukiwanie danych"));
        Find<QTabWidget>(dialog, "pcOption")->setCurrentWidget(Find<QWidget>(dialog, "tsNumber"));
        auto* edNumber = Find<QLineEdit>(dialog, "edNumber");
        edNumber->setText(QStringLiteral("dwadzieścia"));
        QString message;
        AnswerMessage(QMessageBox::Ok, &message);
        Press(dialog, QStringLiteral("&Szukaj"));
        EXPECT_EQ(message, QStringLiteral("Pole 'Liczba do znalezienia' musi zawierać poprawną liczbę !"));
        EXPECT_TRUE(dialog->isVisible());
        edNumber->setText(QStringLiteral("20"));
        Find<QLineEdit>(dialog, "edPrecision")->setText(FormatNumber(0.5f, 1));
        Press(dialog, QStringLiteral("&Szukaj"));
    });
    form.Actions().Find->trigger();
    // 20 ± 0.5 downwards from the first row: 20.4, then (20.5 being no closer than 0.5) 20.
    EXPECT_EQ(Cursor(form), std::make_pair(1, 2));
    EXPECT_TRUE(form.Actions().FindAgain->isEnabled());
    form.Actions().FindAgain->trigger();
    EXPECT_EQ(Cursor(form), std::make_pair(1, 5));
    QString message;
    AnswerMessage(QMessageBox::Ok, &message);
    form.Actions().FindAgain->trigger();
    EXPECT_EQ(message,
              QStringLiteral("Komórka zawierająca podaną liczbę nie została znaleziona w bieżącej kolumnie !"));
    EXPECT_EQ(Cursor(form), std::make_pair(1, 5));

    // The dialog opens on the last search; cancelling it changes nothing.
    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(Find<QTabWidget>(dialog, "pcOption")->currentWidget()->objectName(), QStringLiteral("tsNumber"));
        EXPECT_EQ(Find<QLineEdit>(dialog, "edNumber")->text(), FormatNumber(20.0f, 2));
        Find<QLineEdit>(dialog, "edNumber")->setText(QStringLiteral("19"));
        Press(dialog, QStringLiteral("Anuluj"));
    });
    form.Actions().Find->trigger();
    form.ActiveTableWin()->SelectCell(1, 1);
    form.Actions().FindAgain->trigger();
    EXPECT_EQ(Cursor(form), std::make_pair(1, 2));
}

TEST(StatsSearch, ColumnSearchAlternatesBetweenTwoTables)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    const TTable& first = AddTable(
        form, {QStringLiteral("t"), QStringLiteral("v")},
        {{QStringLiteral("1"), QStringLiteral("2")}, {QStringLiteral("3"), QStringLiteral("4")}});
    form.ActiveTableWin()->SelectCell(1, 2);
    const TTable& second = AddTable(form, {QStringLiteral("x"), QStringLiteral("t")},
                                    {{QStringLiteral("5"), QStringLiteral("6")},
                                     {QStringLiteral("7"), QStringLiteral("8")},
                                     {QStringLiteral("9"), QStringLiteral("10")}});
    form.ActiveTableWin()->SelectCell(1, 3);
    Activate(form, first);
    const QString description = form.Workbench().Kinds().FindByName(u"t")->Description;

    WhenModal([description](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Szukaj kolumny"));
        auto* cmbData = Find<QComboBox>(dialog, "cmbData");
        EXPECT_TRUE(cmbData->currentText().isEmpty());
        cmbData->setEditText(QStringLiteral("T"));   // letter case is ignored
        EXPECT_EQ(Find<QLabel>(dialog, "lbDescr")->text(), description);
        Press(dialog, QStringLiteral("&Szukaj"));
    });
    form.Actions().FindColumn->trigger();
    // From the first table's "t": the next one is in the second table; each keeps its own row.
    EXPECT_EQ(&form.ActiveTableWin()->Table(), &second);
    EXPECT_EQ(Cursor(form), std::make_pair(2, 3));
    form.Actions().FindAgain->trigger();
    EXPECT_EQ(&form.ActiveTableWin()->Table(), &first);
    EXPECT_EQ(Cursor(form), std::make_pair(1, 2));
    form.Actions().FindAgain->trigger();
    EXPECT_EQ(&form.ActiveTableWin()->Table(), &second);

    // A name with a trailing blank names no column: the message, and nothing moves.
    QString message;
    WhenModal([&message](QWidget* dialog) {
        auto* cmbData = Find<QComboBox>(dialog, "cmbData");
        // The name typed matched a kind's name but for the case: the list's spelling is kept.
        EXPECT_EQ(cmbData->currentText(), QStringLiteral("t"));
        cmbData->setEditText(QStringLiteral("t "));
        EXPECT_TRUE(Find<QLabel>(dialog, "lbDescr")->text().isEmpty());
        AnswerMessage(QMessageBox::Ok, &message);
        Press(dialog, QStringLiteral("&Szukaj"));
    });
    form.Actions().FindColumn->trigger();
    EXPECT_EQ(message, QStringLiteral("Kolumna o podanej nazwie nie została znaleziona w żadnej tabeli !"));
    EXPECT_EQ(&form.ActiveTableWin()->Table(), &second);
    EXPECT_EQ(Cursor(form), std::make_pair(2, 3));
}

// The column search scrolls sideways only: the rows in view stay, even when the cursor's row is not
// among them, and the column found comes into view away from the left edge.
TEST(StatsSearch, ColumnSearchLeavesTheRowsInView)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    QStringList names;
    for (int c = 1; c <= 40; ++c)
        names.append(c == 30 ? QStringLiteral("t") : QStringLiteral("c%1").arg(c));
    AddTable(form, names, QList<QStringList>(300, QStringList{QStringLiteral("1")}));
    form.ActiveTableWin()->SelectCell(1, 2);
    QTableView* grid = form.ActiveTableWin()->Grid();
    grid->verticalScrollBar()->setValue(150);
    ASSERT_EQ(grid->verticalScrollBar()->value(), 150);

    WhenModal([](QWidget* dialog) {
        Find<QComboBox>(dialog, "cmbData")->setEditText(QStringLiteral("t"));
        Press(dialog, QStringLiteral("&Szukaj"));
    });
    form.Actions().FindColumn->trigger();
    EXPECT_EQ(Cursor(form), std::make_pair(30, 2));
    EXPECT_EQ(grid->verticalScrollBar()->value(), 150);
    const int found = 29;   // the grid's own column of table column 30
    EXPECT_GT(grid->columnViewportPosition(found), 0);
    EXPECT_LE(grid->columnViewportPosition(found) + grid->columnWidth(found), grid->viewport()->width());
}

}   // namespace
