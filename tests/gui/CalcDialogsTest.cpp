#include "GuiTestSupport.h"

#include "core/data/DataManager.h"
#include "core/table/Table.h"
#include "gui/calc/CalcMainForm.h"
#include "gui/calc/KindList.h"
#include "gui/calc/PossibleIdxsSelForm.h"
#include "gui/table/TableWin.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

void Click(QWidget* dialog, const char* name)
{
    Find<QAbstractButton>(dialog, name)->click();
}

// Exactly the entries of these texts selected; the last one current.
void SelectEntries(QListWidget* list, const QStringList& texts)
{
    list->clearSelection();
    for (const QString& text : texts) {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list->setCurrentItem(found.first(), QItemSelectionModel::Select);
    }
}

void ChooseEntry(QComboBox* box, const QString& text)
{
    const int at = box->findText(text);
    ASSERT_GE(at, 0) << text.toStdString();
    box->setCurrentIndex(at);
}

// Answers the index selection with exactly these Names.
void CalculateIndices(const QStringList& names)
{
    WhenModal([names](QWidget* selection) {
        EXPECT_EQ(selection->windowTitle(), QStringLiteral("Wybór wskaźników"));
        SelectEntries(Find<QListWidget>(selection, "lbIndexes"), names);
        Press(selection, QStringLiteral("O&blicz"));
    });
}

// Closes the next message box, remembering its text and whether it was an error box.
void AnswerError(QString* text, bool* error)
{
    WhenModal([text, error](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        *text = box->text();
        *error = box->icon() == QMessageBox::Critical;
        box->button(QMessageBox::Ok)->click();
    });
}

void ExpectSameSettings(const CalcSettings& a, const CalcSettings& b)
{
    EXPECT_EQ(a.SimpleSources, b.SimpleSources);
    EXPECT_EQ(a.SimpleDestination, b.SimpleDestination);
    EXPECT_EQ(a.ComplexSources, b.ComplexSources);
    EXPECT_EQ(a.ComplexDescriptions, b.ComplexDescriptions);
    EXPECT_EQ(a.ComplexDestination, b.ComplexDestination);
    EXPECT_EQ(a.LastSelection, b.LastSelection);
}

const QString None = QStringLiteral("Żadna");
const QString RowNumber = QStringLiteral("Numer wiersza");

// Wind chill by hand, 1.163·(10·√v + 10.45 − v)·(33 − t):
// t −10, v 4: 1.163·26.45·43 = 1322.738; t −10, v 1: 1.163·19.45·43 = 972.675;
// t 0, v 4: 1.163·26.45·33 = 1015.125; t 0, v 1: 1.163·19.45·33 = 746.472.

TEST(CalcDialogs, SimpleWayIntoANewTable)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    AddTable(form, {QStringLiteral("t"), QStringLiteral("v")}, {{"-10", "4"}, {"0", "1"}});

    QStringList offered;
    WhenModal([&offered](QWidget* setup) {
        EXPECT_EQ(setup->windowTitle(), QStringLiteral("Opcje obliczeń"));
        // The only open table is already in use; the destination starts as a new table.
        EXPECT_EQ(ListTexts(Find<QListWidget>(setup, "lbTablesSelected")), QStringList{QStringLiteral("Tabela  1 ()")});
        EXPECT_EQ(Find<QLabel>(setup, "lbDestTable")->text(), QStringLiteral("Nowa"));
        WhenModal([&offered](QWidget* selection) {
            offered = ListTexts(Find<QListWidget>(selection, "lbIndexes"));
            SelectEntries(Find<QListWidget>(selection, "lbIndexes"), {QStringLiteral("WCI")});
            EXPECT_EQ(Find<QLabel>(selection, "lbSelCount")->text(), QStringLiteral("1"));
            Press(selection, QStringLiteral("O&blicz"));
        });
        Click(setup, "btnOKSimple");
    });
    form.Actions().Calculate->trigger();

    EXPECT_TRUE(offered.contains(QStringLiteral("WCI")));
    EXPECT_FALSE(offered.contains(QStringLiteral("t")));   // inputs are never calculated
    ASSERT_EQ(form.Workbench().Tables().Count(), 2);
    const TTable& destination = *form.Workbench().Tables().At(1);
    ASSERT_EQ(destination.ColCount(), 2);   // the new table's first column took the index
    EXPECT_EQ(destination.HeaderText(1), QStringLiteral("WCI"));
    EXPECT_EQ(destination.DisplayText(1, 1), QStringLiteral("1322.74"));
    EXPECT_EQ(destination.DisplayText(1, 2), QStringLiteral("746.47"));
    EXPECT_TRUE(destination.Modified());
    EXPECT_EQ(&form.ActiveTableWin()->Table(), &destination);

    const CalcSettings& settings = form.Workbench().CalculationSettings();
    EXPECT_EQ(settings.SimpleSources, QStringList{QStringLiteral("Tabela  1 ()")});
    EXPECT_EQ(settings.SimpleDestination, QStringLiteral("Tabela  2 ()"));
    EXPECT_TRUE(settings.LastSelection[kind::WCI]);
}

TEST(CalcDialogs, AnErrorInTheBackgroundRunIsToldAndKeepsTheRowsWritten)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    QFile::remove(fixture.Home().Path(QStringLiteral("WSI.INI")));
    AddTable(form, {QStringLiteral("Weather")}, {{"nonsense"}, {"-1_2T1_010"}});

    QString text;
    bool error = false;
    WhenModal([&](QWidget* setup) {
        WhenModal([&](QWidget* selection) {
            SelectEntries(Find<QListWidget>(selection, "lbIndexes"), {QStringLiteral("WSI_SB")});
            AnswerError(&text, &error);   // raised on the worker thread, shown on this one
            Press(selection, QStringLiteral("O&blicz"));
        });
        Click(setup, "btnOKSimple");
    });
    form.Actions().Calculate->trigger();

    EXPECT_TRUE(error);
    EXPECT_TRUE(text.contains(QStringLiteral("WSI.INI"))) << text.toStdString();
    const TTable& destination = *form.Workbench().Tables().At(1);
    EXPECT_TRUE(destination.Modified());
    EXPECT_EQ(destination.RowCount(), 3);
}

TEST(CalcDialogs, SimpleWayIntoAnOpenTableIsOfferedAgainAndCancelsChangeNothing)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    AddTable(form, {QStringLiteral("t"), QStringLiteral("v")}, {{"-10", "4"}, {"0", "1"}});
    AddTable(form, {QStringLiteral("t"), QStringLiteral("v"), QStringLiteral("p")},
             {{"20", "9", "1000"}, {"20", "9", "1000"}, {"20", "9", "1000"}});
    TTable& destination = AddTable(form, {QStringLiteral("uwagi")}, {{"x"}});
    const QString first = QStringLiteral("Tabela  1 ()"), second = QStringLiteral("Tabela  2 ()"),
                  third = QStringLiteral("Tabela  3 ()");

    WhenModal([&](QWidget* setup) {
        auto* tables = Find<QListWidget>(setup, "lbTables");
        auto* used = Find<QListWidget>(setup, "lbTablesSelected");
        EXPECT_EQ(ListTexts(tables), (QStringList{first, second, third}));
        EXPECT_EQ(ListTexts(used), QStringList{third});   // the active table is proposed
        SelectEntries(used, {third});
        Click(setup, "btnToLeft");
        EXPECT_EQ(used->count(), 0);
        EXPECT_FALSE(Find<QToolButton>(setup, "btnToLeft")->isEnabled());
        SelectEntries(tables, {first, second});
        Click(setup, "btnToRight");
        EXPECT_EQ(ListTexts(used), (QStringList{second, first}));   // moved from the last entry up
        EXPECT_TRUE(Find<QToolButton>(setup, "btnToLeft")->isEnabled());
        SelectEntries(used, {first});
        Press(setup, QStringLiteral("Do &góry"));
        EXPECT_EQ(ListTexts(used), (QStringList{first, second}));
        SelectEntries(tables, {third});
        Press(setup, QStringLiteral("&Zaznaczona"));
        EXPECT_EQ(Find<QLabel>(setup, "lbDestTable")->text(), third);
        CalculateIndices({QStringLiteral("WCI")});
        Click(setup, "btnOKSimple");
    });
    form.Actions().Calculate->trigger();

    ASSERT_EQ(form.Workbench().Tables().Count(), 3);
    ASSERT_EQ(destination.ColCount(), 3);
    EXPECT_EQ(destination.HeaderText(1), QStringLiteral("uwagi"));
    EXPECT_EQ(destination.HeaderText(2), QStringLiteral("WCI"));
    // Three rows, as many as the second table (it gives p); t and v come from the first table of the
    // list, which has no third row.
    ASSERT_EQ(destination.RowCount(), 4);
    EXPECT_EQ(destination.DisplayText(2, 1), QStringLiteral("1322.74"));
    EXPECT_EQ(destination.DisplayText(2, 2), QStringLiteral("746.47"));
    EXPECT_EQ(destination.DisplayText(2, 3), QString());
    const CalcSettings remembered = form.Workbench().CalculationSettings();
    EXPECT_EQ(remembered.SimpleSources, (QStringList{first, second}));
    EXPECT_EQ(remembered.SimpleDestination, third);

    // The next calculation starts from these choices; cancelling either dialog changes nothing.
    WhenModal([&](QWidget* setup) {
        EXPECT_EQ(ListTexts(Find<QListWidget>(setup, "lbTablesSelected")), (QStringList{first, second}));
        EXPECT_EQ(Find<QLabel>(setup, "lbDestTable")->text(), third);
        Press(setup, QStringLiteral("Anuluj"));
    });
    form.Actions().Calculate->trigger();
    ExpectSameSettings(form.Workbench().CalculationSettings(), remembered);

    WhenModal([](QWidget* setup) {
        WhenModal([](QWidget* selection) {
            QStringList preselected;
            for (const QListWidgetItem* entry : Find<QListWidget>(selection, "lbIndexes")->selectedItems())
                preselected.append(entry->text());
            EXPECT_EQ(preselected, QStringList{QStringLiteral("WCI")});
            Press(selection, QStringLiteral("Anuluj"));
        });
        Click(setup, "btnOKSimple");
    });
    form.Actions().Calculate->trigger();
    ExpectSameSettings(form.Workbench().CalculationSettings(), remembered);
    EXPECT_EQ(form.Workbench().Tables().Count(), 3);
}

TEST(CalcDialogs, ComplexWayIntoAnOpenTable)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    AddTable(form, {QStringLiteral("t")}, {{"-10"}, {"0"}});
    AddTable(form, {QStringLiteral("v"), QStringLiteral("site")}, {{"4", "Hel"}, {"1", "Łeba"}});
    QStringList wide;
    for (int c = 1; c <= 20; ++c)
        wide.append(QStringLiteral("c%1").arg(c));
    TTable& destination = AddTable(form, wide, {QStringList(20, QStringLiteral("x"))});
    const QString first = QStringLiteral("Tabela  1 ()"), second = QStringLiteral("Tabela  2 ()"),
                  third = QStringLiteral("Tabela  3 ()");

    WhenModal([&](QWidget* setup) {
        Find<QTabWidget>(setup, "pcZakladki")->setCurrentIndex(1);
        EXPECT_EQ(Find<QComboBox>(setup, "cmbSource0")->currentText(), third);   // the active table
        ChooseEntry(Find<QComboBox>(setup, "cmbSource0"), first);
        auto* description = Find<QComboBox>(setup, "cmbDescr0");
        EXPECT_EQ(description->currentText(), RowNumber);
        EXPECT_EQ(description->count(), 3);   // Żadna, Numer wiersza, t
        ChooseEntry(Find<QComboBox>(setup, "cmbSource1"), second);
        ChooseEntry(Find<QComboBox>(setup, "cmbDescr1"), QStringLiteral("site"));
        EXPECT_EQ(Find<QComboBox>(setup, "cmbDescr2")->count(), 0);   // no source, no description
        ChooseEntry(Find<QComboBox>(setup, "cmbDest"), third);
        CalculateIndices({QStringLiteral("SB"), QStringLiteral("WCI"), QStringLiteral("WCT"), QStringLiteral("H")});
        Click(setup, "btnOKComplex");
    });
    form.Actions().Calculate->trigger();

    // Every combination of the rows of the two priorities, the lower one varying fastest.
    ASSERT_EQ(form.Workbench().Tables().Count(), 3);
    ASSERT_EQ(destination.ColCount(), 27);
    ASSERT_EQ(destination.RowCount(), 5);
    const QStringList added = {QStringLiteral("Group0"), QStringLiteral("site"), QStringLiteral("SB"),
                               QStringLiteral("WCI"),    QStringLiteral("WCT"),  QStringLiteral("H")};
    for (int i = 0; i < added.size(); ++i)
        EXPECT_EQ(destination.HeaderText(21 + i), added[i]);
    const float wci[] = {1322.738f, 972.675f, 1015.125f, 746.472f};
    const char* group[] = {"1.00", "1.00", "2.00", "2.00"};
    const char* site[] = {"Hel", "Łeba", "Hel", "Łeba"};
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(destination.DisplayText(21, r), QString::fromLatin1(group[r - 1])) << r;
        EXPECT_EQ(destination.DisplayText(22, r), QString::fromUtf8(site[r - 1])) << r;
        EXPECT_NEAR(destination.CellNumber(24, r), wci[r - 1], 0.001f) << r;
    }
    EXPECT_EQ(destination.DisplayText(1, 1), QStringLiteral("x"));   // the table's own columns stay
    // The first result column (SB) is the leftmost one in view, and current.
    const QTableView* grid = form.ActiveTableWin()->Grid();
    EXPECT_EQ(&form.ActiveTableWin()->Table(), &destination);
    EXPECT_EQ(grid->columnAt(0), 22);
    EXPECT_EQ(grid->currentIndex().column(), 22);
    EXPECT_EQ(grid->currentIndex().row(), 0);

    const CalcSettings& settings = form.Workbench().CalculationSettings();
    EXPECT_EQ(settings.ComplexSources, (std::array<QString, 4>{first, second, None, None}));
    EXPECT_EQ(settings.ComplexDescriptions, (std::array<QString, 4>{RowNumber, QStringLiteral("site"), "", ""}));
    EXPECT_EQ(settings.ComplexDestination, third);

    // Shown again at the next calculation, on the complex page; the dialog opens on the simple one.
    WhenModal([&](QWidget* setup) {
        EXPECT_EQ(Find<QTabWidget>(setup, "pcZakladki")->currentIndex(), 0);
        EXPECT_EQ(Find<QComboBox>(setup, "cmbSource0")->currentText(), first);
        EXPECT_EQ(Find<QComboBox>(setup, "cmbDescr0")->currentText(), RowNumber);
        EXPECT_EQ(Find<QComboBox>(setup, "cmbSource1")->currentText(), second);
        EXPECT_EQ(Find<QComboBox>(setup, "cmbDescr1")->currentText(), QStringLiteral("site"));
        EXPECT_EQ(Find<QComboBox>(setup, "cmbSource2")->currentText(), None);
        EXPECT_EQ(Find<QComboBox>(setup, "cmbDest")->currentText(), third);
        Click(setup, "btnCancelComplex");
    });
    form.Actions().Calculate->trigger();
}

TEST(CalcDialogs, SetUpRefusesAnEmptyListAndGapsInThePriorities)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    AddTable(form, {QStringLiteral("t")}, {{"1"}});
    AddTable(form, {QStringLiteral("v")}, {{"2"}});
    const QString message2 = QStringLiteral("Lista 'tabel użytych do obliczeń' jest pusta !");
    const QString message5 = QStringLiteral(
        "Tabele źródłowe muszą występować poczynając od priorytetu 0, bez przerw !");
    struct Case
    {
        const char* name;
        bool simple;
        std::array<int, 4> tables;   // per priority: 0 none, else the table number
        QString message;             // empty: the set-up is accepted
    };
    const Case cases[] = {
        {"simple way, no table in use", true, {0, 0, 0, 0}, message2},
        {"priorities 1 and 3", false, {1, 0, 2, 0}, message5},
        {"priority 4 only", false, {0, 0, 0, 2}, message5},
        {"no priority at all", false, {0, 0, 0, 0}, QString()},
        {"priorities 1 and 2", false, {2, 1, 0, 0}, QString()},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        TCalcMainForm setup(CalcSettings(), form.Workbench().Tables(), nullptr, form.Ui(), &form);
        setup.show();
        if (!test.simple)
            Find<QTabWidget>(&setup, "pcZakladki")->setCurrentIndex(1);
        for (int p = 0; p < 4; ++p)
            Find<QComboBox>(&setup, QStringLiteral("cmbSource%1").arg(p).toLatin1().constData())
                ->setCurrentIndex(test.tables[std::size_t(p)]);
        QString text;
        bool error = false;
        if (!test.message.isEmpty())
            AnswerError(&text, &error);
        Click(&setup, test.simple ? "btnOKSimple" : "btnOKComplex");
        EXPECT_EQ(text, test.message);
        EXPECT_EQ(error, !test.message.isEmpty());
        EXPECT_EQ(setup.isVisible(), !test.message.isEmpty());
        EXPECT_EQ(setup.result(), test.message.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(setup.Choices().Simple, test.simple);
    }
}

TEST(CalcDialogs, PresetGroupsAddToTheSelection)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    KindFlags possible{};
    for (int id = kind::FirstComputed; id < kind::ListedCount; ++id)
        possible[std::size_t(id)] = true;
    possible[kind::WBGT] = false;   // a kind of group A that is not offered is skipped

    WhenModal([](QWidget* selection) {
        auto* count = Find<QLabel>(selection, "lbSelCount");
        EXPECT_EQ(Find<QLabel>(selection, "lbAllCount")->text(), QStringLiteral("71"));
        EXPECT_EQ(count->text(), QStringLiteral("0"));
        Press(selection, QStringLiteral("&Wszystkie"));
        EXPECT_EQ(count->text(), QStringLiteral("71"));
        Press(selection, QStringLiteral("Ża&den"));
        EXPECT_EQ(count->text(), QStringLiteral("0"));
        auto* list = Find<QListWidget>(selection, "lbIndexes");
        list->setCurrentItem(list->findItems(QStringLiteral("WCI"), Qt::MatchExactly).first(),
                             QItemSelectionModel::NoUpdate);
        EXPECT_EQ(Find<QLabel>(selection, "lbIndexDescr")->text(),
                  QStringLiteral("Wskaźnik ochładzania wiatrem (Siple i Passel), W/m²"));
        Click(selection, "btnOptionA");
        EXPECT_EQ(count->text(), QStringLiteral("13"));
        Click(selection, "btnOptionE");
        EXPECT_EQ(count->text(), QStringLiteral("26"));
        Press(selection, QStringLiteral("O&blicz"));
    });
    const std::optional<KindFlags> chosen = TPossibleIdxsSelForm::Choose(possible, KindFlags{},
                                                                         form.Workbench().Kinds(), &form);

    ASSERT_TRUE(chosen.has_value());
    KindFlags expected{};
    for (const int id :
         {kind::Tek,     kind::TE,     kind::TRE,    kind::i,        kind::SB,     kind::WCI,    kind::WCT,
          kind::Humidex, kind::H,      kind::HR,     kind::SST,      kind::pSTI,   kind::pHL,    kind::W_Prec,
          kind::W_Snow,  kind::W_Sens, kind::W_Rad,  kind::W_Strain, kind::W_Sult, kind::W_TAmp, kind::Weather,
          kind::WSI_SB,  kind::WSI_AB, kind::WSI_MR, kind::WSI_AR,   kind::WSI_ST})
        expected[std::size_t(id)] = true;
    EXPECT_EQ(*chosen, expected);
}

TEST(CalcDialogs, NothingComputableKeepsTheDialogOpen)
{
    // No typical and no default values: no data at hand allow any index.
    MainFormFixture fixture(QByteArray("[Options]\nDecimalSepPoint=1\n"));
    TMainForm& form = fixture.Form();
    QString text;
    bool error = false;
    WhenModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Co możesz obliczyć"));
        auto* ok = Find<QPushButton>(dialog, "btnOK");
        EXPECT_EQ(Find<QListWidget>(dialog, "lbHave")->count(), 0);
        EXPECT_FALSE(ok->isEnabled());
        EXPECT_FALSE(Find<QToolButton>(dialog, "btnToLeft")->isEnabled());
        EXPECT_TRUE(Find<QPushButton>(dialog, "btnCancel")->isDefault());

        SelectEntries(Find<QListWidget>(dialog, "lbDontHave"), {QStringLiteral("t"), QStringLiteral("v")});
        Click(dialog, "btnToRight");
        EXPECT_EQ(ListTexts(Find<QListWidget>(dialog, "lbHave")),
                  (QStringList{QStringLiteral("t"), QStringLiteral("v")}));
        EXPECT_TRUE(ok->isEnabled());
        EXPECT_TRUE(ok->isDefault());
        EXPECT_TRUE(Find<QToolButton>(dialog, "btnToLeft")->isEnabled());

        AnswerError(&text, &error);
        ok->click();
        EXPECT_TRUE(dialog->isVisible());
        Press(dialog, QStringLiteral("&Zamknij"));
    });
    form.Actions().WhatCanBeComputed->trigger();
    EXPECT_EQ(text, QStringLiteral("Niestety, posiadane przez Ciebie dane nie pozwalają obliczyć żadnego wskaźnika !"));
    EXPECT_TRUE(error);
}

TEST(CalcDialogs, ComputableListSwitchesToTheOthersAndBack)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    AddTable(form, {QStringLiteral("t"), QStringLiteral("v")}, {{"1", "2"}});
    const DataManager& kinds = form.Workbench().Kinds();

    WhenModal([&](QWidget* dialog) {
        EXPECT_EQ(ListTexts(Find<QListWidget>(dialog, "lbHave")),
                  (QStringList{QStringLiteral("t"), QStringLiteral("v")}));
        WhenModal([&](QWidget* display) {
            auto* list = Find<QListWidget>(display, "lbIndexes");
            auto* group = Find<QGroupBox>(display, "gbList");
            auto* change = Find<QPushButton>(display, "btnChange");
            const QStringList computable = ListTexts(list);
            EXPECT_TRUE(computable.contains(QStringLiteral("WCI")));
            EXPECT_EQ(group->title(), QStringLiteral("Te wskaźniki możesz obliczyć"));

            change->click();
            const QStringList others = ListTexts(list);
            EXPECT_EQ(group->title(), QStringLiteral("Tych wskaźników nie możesz obliczyć"));
            EXPECT_EQ(change->text(), QStringLiteral("Te, które MOŻESZ obliczyć"));
            EXPECT_EQ(computable.size() + others.size(), 72);   // every kind 23…94, no input
            for (const QString& name : others) {
                EXPECT_FALSE(computable.contains(name));
                EXPECT_GE(kinds.FindByName(name)->Id, kind::FirstComputed) << name.toStdString();
            }
            ASSERT_FALSE(others.isEmpty());
            EXPECT_EQ(list->currentRow(), 0);
            EXPECT_EQ(Find<QLabel>(display, "lbIndexDescr")->text(), kinds.FindByName(others.first())->Description);

            change->click();
            EXPECT_EQ(ListTexts(list), computable);
            EXPECT_EQ(group->title(), QStringLiteral("Te wskaźniki możesz obliczyć"));
            EXPECT_EQ(change->text(), QStringLiteral("Te, których NIE możesz obliczyć"));
            Click(display, "btnOK");
        });
        Click(dialog, "btnOK");
        EXPECT_TRUE(dialog->isVisible());   // the first dialog stays for another question
        Click(dialog, "btnCancel");
    });
    form.Actions().WhatCanBeComputed->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}   // namespace
