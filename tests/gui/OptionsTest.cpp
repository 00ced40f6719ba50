// The options, data options, language and about windows, driven as a user drives them.

#include "GuiTestSupport.h"

#include "core/data/AbstractData.h"
#include "core/data/DataManager.h"
#include "core/table/Table.h"
#include "gui/app/Startup.h"
#include "gui/table/TableWin.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// Answers every message box shown while it lives with OK and keeps its text; other windows are left
// to WhenModal.
class MessageCatcher
{
public:
    MessageCatcher()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            texts.push_back(box->text());
            box->button(QMessageBox::Ok)->click();
        });
        m_timer.start();
    }

    std::vector<QString> texts;

private:
    QTimer m_timer;
};

QString StoredLanguage(const IniFile& ini)
{
    return ini.ReadString(u"Options", u"Language", QStringLiteral("(none)"));
}

// ---- Start-up language ----

struct StartupCase
{
    const char* name;
    const char* ini;
    const char* button;   // the language dialog's answer; null: the dialog must not appear; "" closes it
    int language;
    const char* stored;
};

class StartupLanguage : public testing::TestWithParam<StartupCase>
{ };

TEST_P(StartupLanguage, IsReadOrAskedAndStored)
{
    const StartupCase& test = GetParam();
    TempHome home(test.ini);
    IniFile ini(home.IniPath());
    bool asked = false;
    if (test.button) {
        WhenModal([&asked, &test](QWidget* dialog) {
            asked = true;
            EXPECT_EQ(dialog->windowTitle(),
                      QStringLiteral("Wybierz język / Choose a language / Choisissez une langue"));
            EXPECT_EQ(dialog->focusWidget(), dialog->findChild<QWidget*>(QStringLiteral("btnEnglish")));
            EXPECT_FALSE(Find<QPushButton>(dialog, "btnFrancais")->isEnabled());
            if (*test.button)
                Press(dialog, QString::fromUtf8(test.button));
            else
                dialog->close();
        });
    }
    EXPECT_EQ(InterfaceLanguage(ini), test.language);
    EXPECT_EQ(asked, test.button != nullptr);
    EXPECT_EQ(StoredLanguage(ini), QString::fromLatin1(test.stored));
}

INSTANTIATE_TEST_SUITE_P(
    Startup, StartupLanguage,
    testing::Values(StartupCase{"StoredPl", "[Options]\nLanguage=pl\n", nullptr, 1045, "pl"},
                    StartupCase{"StoredDe", "[Options]\nLanguage=DE\n", nullptr, 1033, "DE"},
                    StartupCase{"EmptyPolishChosen", "[Options]\nLanguage=\n", "Język &polski", 1045, "PL"},
                    StartupCase{"AbsentEnglishChosen", "[Options]\n", "&English language", 1033, "EN"},
                    // closed without a choice: English now, and the question again at the next start
                    StartupCase{"AbsentClosed", "[Options]\n", "", 1033, "(none)"}),
    [](const testing::TestParamInfo<StartupCase>& info) { return std::string(info.param.name); });

// ---- Language command ----

TEST(LanguageCommand, TellsOfAChangeOnlyAndStoresTheChoice)
{
    MainFormFixture fixture(QByteArray(), 1033);
    TMainForm& form = fixture.Form();
    auto* command = form.findChild<QAction*>(QStringLiteral("miJezyk"));
    ASSERT_NE(command, nullptr);
    const QString restart = QStringLiteral(
        "The change of the language version of Salvento will be applied after you restart the program.\n\n"
        "Zmiana wersji językowej Salvento zostanie dokonana dopiero przy ponownym uruchomieniu programu.");

    struct Step
    {
        const char* button;    // "" closes the dialog
        const char* focused;   // the button focused when the dialog opens
        bool message;
    };
    const Step steps[] = {
        {"&English language", "btnEnglish", false},   // running in English already
        {"Język &polski", "btnEnglish", true},
        {"Język &polski", "btnPolski", false},   // the same choice again
        {"", "btnPolski", false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.button);
        const QByteArray before = fixture.Home().Read(QStringLiteral("SALVENTO.INI"));
        MessageCatcher messages;
        WhenModal([&step](QWidget* dialog) {
            ASSERT_NE(dialog->focusWidget(), nullptr);
            EXPECT_EQ(dialog->focusWidget()->objectName(), QString::fromLatin1(step.focused));
            if (*step.button)
                Press(dialog, QString::fromUtf8(step.button));
            else
                dialog->close();
        });
        command->trigger();
        EXPECT_EQ(messages.texts, step.message ? std::vector<QString>{restart} : std::vector<QString>{});
        if (!*step.button) {
            EXPECT_EQ(fixture.Home().Read(QStringLiteral("SALVENTO.INI")), before);
        }
    }
    EXPECT_EQ(StoredLanguage(form.Workbench().Ini()), QStringLiteral("PL"));
    EXPECT_EQ(form.Workbench().Language(), 1033);   // the running program keeps its language
}

// ---- Read/write options ----

// Opens the global options dialog, lets `act` fill it in, and returns the messages it showed.
std::vector<QString> EditOptions(TMainForm& form, std::function<void(QWidget*)> act)
{
    MessageCatcher messages;
    WhenModal(std::move(act));
    form.Actions().Options->trigger();
    return messages.texts;
}

TEST(OptionsDialog, RefusesABadScaleAndOrdersItsEnds)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    const std::vector<QString> refusals = EditOptions(form, [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Opcje zapisu/odczytu plików (GLOBALNE)"));
        Find<QLineEdit>(dialog, "edNebulFrom")->setText(QString());
        Find<QLineEdit>(dialog, "edNebulTo")->setText(QStringLiteral("5"));
        Press(dialog, QStringLiteral("Z&apamiętaj"));
        EXPECT_TRUE(dialog->isVisible());
        Find<QLineEdit>(dialog, "edNebulFrom")->setText(QStringLiteral("0"));
        Find<QLineEdit>(dialog, "edNebulTo")->setText(QStringLiteral("-1"));
        Press(dialog, QStringLiteral("Z&apamiętaj"));
        EXPECT_TRUE(dialog->isVisible());
        Find<QLineEdit>(dialog, "edNebulTo")->setText(QStringLiteral("5"));
        Find<QLineEdit>(dialog, "edDateName")->setText(QStringLiteral("data"));
        Press(dialog, QStringLiteral("Z&apamiętaj"));
    });
    EXPECT_EQ(
        refusals,
        (std::vector<QString>{QStringLiteral("Pole: 'Skala zachmurzenia - Od' musi zawierać liczbę dodatnią !"),
                              QStringLiteral("Pole: 'Skala zachmurzenia - Do' musi zawierać liczbę dodatnią !")}));
    EXPECT_EQ(form.Workbench().Options().Record.NebulosityFrom, 0);
    EXPECT_EQ(form.Workbench().Options().Record.NebulosityTo, 5);
    EXPECT_EQ(form.Workbench().Options().Record.DateColumnName, QStringLiteral("data"));

    EditOptions(form, [](QWidget* dialog) {
        Find<QLineEdit>(dialog, "edNebulFrom")->setText(QStringLiteral("7"));
        Find<QLineEdit>(dialog, "edNebulTo")->setText(QStringLiteral("3"));
        Press(dialog, QStringLiteral("Z&apamiętaj"));
    });
    EXPECT_EQ(form.Workbench().Options().Record.NebulosityFrom, 3);
    EXPECT_EQ(form.Workbench().Options().Record.NebulosityTo, 7);

    EditOptions(form, [](QWidget* dialog) {
        EXPECT_EQ(Find<QLineEdit>(dialog, "edNebulFrom")->text(), QStringLiteral("3"));
        Find<QLineEdit>(dialog, "edNebulFrom")->setText(QStringLiteral("9"));
        Press(dialog, QStringLiteral("Anuluj"));
    });
    EXPECT_EQ(form.Workbench().Options().Record.NebulosityFrom, 3);
}

TEST(OptionsDialog, PointInsteadOfTheSystemSeparatorConvertsEveryOpenTable)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    // As if the system's separator were the comma and the options chose it.
    const SeparatorScope comma(QLatin1Char(','));
    form.Workbench().Options().DecimalSepPoint = false;
    TTable& first = AddTable(
        form, {QStringLiteral("t"), QStringLiteral("uwagi")},
        {{QStringLiteral("12,5"), QStringLiteral("1,2,3")}, {QStringLiteral("-3"), QStringLiteral("x")}});
    TTable& second = AddTable(form, {QStringLiteral("pomiar")}, {{QStringLiteral("3,25")}});
    ASSERT_EQ(first.DisplayText(1, 1), QStringLiteral("12,50"));
    ASSERT_EQ(second.DisplayText(1, 1), QStringLiteral("3,25"));

    EditOptions(form, [](QWidget* dialog) {
        auto* system = Find<QRadioButton>(dialog, "rbWinDecSep");
        EXPECT_TRUE(system->isChecked());
        const QString separator = QLocale::system().decimalPoint();
        if (separator.size() == 1) {
            EXPECT_EQ(system->text(), QStringLiteral("Systemu &Windows ('") + separator + QStringLiteral("')"));
        }
        Find<QRadioButton>(dialog, "rbPointDecSep")->setChecked(true);
        Press(dialog, QStringLiteral("Z&apamiętaj"));
    });

    EXPECT_TRUE(form.Workbench().Options().DecimalSepPoint);
    EXPECT_EQ(DecimalSeparator, QLatin1Char('.'));
    EXPECT_EQ(first.DisplayText(1, 1), QStringLiteral("12.50"));
    EXPECT_EQ(first.DisplayText(1, 2), QStringLiteral("-3.00"));
    EXPECT_EQ(first.DisplayText(2, 1), QStringLiteral("1,2,3"));   // text, not a number
    EXPECT_EQ(second.DisplayText(1, 1), QStringLiteral("3.25"));
    EXPECT_EQ(form.WindowOf(&second)->Grid()->model()->index(0, 0).data().toString(), QStringLiteral("3.25"));
}

TEST(OptionsDialog, PerFileFormKeepsTheProgramOptions)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    fixture.Home().Write(QStringLiteral("weather.txt"), "t;f\n12.5;80\n");
    WhenModal([](QWidget* loadDialog) {
        WhenModal([](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Opcje zapisu/odczytu plików (TEGO PLIKU)"));
            EXPECT_FALSE(Find<QRadioButton>(dialog, "rbPointDecSep")->isEnabled());
            EXPECT_FALSE(Find<QRadioButton>(dialog, "rbWinDecSep")->isEnabled());
            EXPECT_EQ(Find<QLineEdit>(dialog, "edNebulTo")->text(), QStringLiteral("10"));
            Find<QLineEdit>(dialog, "edNebulTo")->setText(QStringLiteral("8"));
            Find<QRadioButton>(dialog, "rbWinDecSep")->setChecked(true);
            Press(dialog, QStringLiteral("Z&apamiętaj"));
        });
        Press(loadDialog, QStringLiteral("&Opcje ..."));
        Press(loadDialog, QStringLiteral("&Wczytaj"));
    });
    form.OpenFiles({fixture.Home().Path(QStringLiteral("weather.txt"))});
    ASSERT_EQ(form.Workbench().Tables().Count(), 1);
    EXPECT_EQ(form.Workbench().Options().Record.NebulosityTo, 10);
    EXPECT_TRUE(form.Workbench().Options().DecimalSepPoint);
    EXPECT_EQ(DecimalSeparator, QLatin1Char('.'));
}

// ---- Data options ----

// Opens the data options, lets `act` work in them, closes them and returns the messages shown.
std::vector<QString> EditDataOptions(TMainForm& form, std::function<void(QWidget*)> act)
{
    MessageCatcher messages;
    WhenModal([act = std::move(act)](QWidget* dialog) {
        act(dialog);
        Press(dialog, QStringLiteral("&Koniec"));
    });
    form.Actions().DataOptions->trigger();
    return messages.texts;
}

void Choose(QWidget* dialog, const QString& name)
{
    auto* list = Find<QComboBox>(dialog, "cmbData");
    const int at = list->findText(name);
    ASSERT_GE(at, 0) << name.toStdString();
    list->setCurrentIndex(at);
}

const QString Message66 = QStringLiteral(
    "Niektóre kolumny, które przed zmianą opcji danych nie były kolumnami danych, teraz się nimi stały !");

TEST(DataOptions, ShowAKindAsItIs)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    EditDataOptions(form, [&form](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Opcje danych"));
        auto* list = Find<QComboBox>(dialog, "cmbData");
        EXPECT_EQ(list->count(), kind::ListedCount);
        EXPECT_LT(list->itemText(0).compare(list->itemText(list->count() - 1), Qt::CaseInsensitive), 0);

        Choose(dialog, QStringLiteral("Weather"));   // textual, no range
        for (const char* name : {"edDefault", "edMin", "edMax"}) {
            EXPECT_FALSE(Find<QLineEdit>(dialog, name)->isEnabled()) << name;
            EXPECT_TRUE(Find<QLineEdit>(dialog, name)->text().isEmpty()) << name;
        }
        EXPECT_TRUE(Find<QGroupBox>(dialog, "rgDualOption")->isEnabled());

        Choose(dialog, QStringLiteral("t"));
        EXPECT_EQ(Find<QLineEdit>(dialog, "edMin")->text(), QStringLiteral("-90.00"));   // shipped range
        EXPECT_EQ(Find<QLineEdit>(dialog, "edMax")->text(), QStringLiteral("60.00"));
        auto* dual = Find<QGroupBox>(dialog, "rgDualOption");
        EXPECT_FALSE(dual->isEnabled());
        for (QRadioButton* item : dual->findChildren<QRadioButton*>())
            EXPECT_FALSE(item->isChecked());

        // Edits not applied are lost when another kind is chosen.
        Find<QLineEdit>(dialog, "edMin")->setText(QStringLiteral("0"));
        Choose(dialog, QStringLiteral("WCI"));
        Choose(dialog, QStringLiteral("t"));
        EXPECT_EQ(Find<QLineEdit>(dialog, "edMin")->text(), QStringLiteral("-90.00"));
        EXPECT_EQ(form.Workbench().Kinds().GetById(kind::t)->Minimum, -90.0f);

        // The degree sign comes from a button (no key types it).
        auto* description = Find<QLineEdit>(dialog, "edDescr");
        description->setText(QStringLiteral("t w C"));
        description->setCursorPosition(4);
        Find<QToolButton>(dialog, "btnDegree")->click();
        EXPECT_EQ(description->text(), QStringLiteral("t w °C"));
    });
    // The dialog opens where it was left, or on the kind of the current column.
    EditDataOptions(form, [](QWidget* dialog) {
        EXPECT_EQ(Find<QComboBox>(dialog, "cmbData")->currentText(), QStringLiteral("t"));
    });
    AddTable(form, {QStringLiteral("v")}, {{QStringLiteral("2")}});
    EditDataOptions(form, [](QWidget* dialog) {
        EXPECT_EQ(Find<QComboBox>(dialog, "cmbData")->currentText(), QStringLiteral("v"));
    });
}

TEST(DataOptions, ANewMinimumReachesTheOpenTables)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    TTable& table = AddTable(form, {QStringLiteral("t")}, {{QStringLiteral("5")}, {QStringLiteral("12")}});
    ASSERT_EQ(table.CellData(1, 1).RangeState, 0);
    const std::vector<QString> messages = EditDataOptions(form, [](QWidget* dialog) {
        Choose(dialog, QStringLiteral("t"));
        Find<QLineEdit>(dialog, "edMin")->setText(QStringLiteral("10"));
        Press(dialog, QStringLiteral("Z&atwierdź"));
        EXPECT_TRUE(dialog->isVisible());
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form.Workbench().Kinds().GetById(kind::t)->Minimum, 10.0f);
    EXPECT_EQ(table.CellData(1, 1).RangeState, 1);
    EXPECT_EQ(table.CellData(1, 2).RangeState, 0);
    const QModelIndex low = form.WindowOf(&table)->Grid()->model()->index(0, 0);
    EXPECT_EQ(low.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_FALSE(form.Workbench().Kinds().GetById(kind::t)->Marked);
}

TEST(DataOptions, RenamingToAPlainColumnsNameBindsIt)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    ASSERT_EQ(form.Workbench().Kinds().FindByName(u"Met"), nullptr);
    TTable& table = AddTable(form, {QStringLiteral("Met")}, {{QStringLiteral("80")}});
    ASSERT_EQ(table.ColumnKind(1), nullptr);
    const std::vector<QString> messages = EditDataOptions(form, [](QWidget* dialog) {
        Choose(dialog, QStringLiteral("M"));
        Find<QLineEdit>(dialog, "edName")->setText(QStringLiteral("Met"));
        Press(dialog, QStringLiteral("Z&atwierdź"));
        EXPECT_EQ(Find<QComboBox>(dialog, "cmbData")->currentText(), QStringLiteral("Met"));
    });
    EXPECT_EQ(messages, std::vector<QString>{Message66});
    EXPECT_EQ(table.ColumnKind(1), form.Workbench().Kinds().GetById(kind::M));
    EXPECT_EQ(form.WindowOf(&table)
                  ->Grid()
                  ->model()
                  ->headerData(0, Qt::Horizontal, Qt::ForegroundRole)
                  .value<QBrush>()
                  .color(),
              QColor(0, 0, 255));
}

TEST(DataOptions, NamesAreUniqueAndWithoutSquareBrackets)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    const QString message6 = QStringLiteral(
        "Dana o podanej nazwie już istnieje !\nZmiana nazwy nie została zapisana !");
    TTable& table = AddTable(form, {QStringLiteral("t")}, {{QStringLiteral("5")}});
    const std::vector<QString> messages = EditDataOptions(form, [](QWidget* dialog) {
        auto* name = Find<QLineEdit>(dialog, "edName");
        Choose(dialog, QStringLiteral("v"));
        name->setText(QStringLiteral("wci"));   // another kind's name, other letter case
        Press(dialog, QStringLiteral("Z&atwierdź"));
        EXPECT_EQ(name->text(), QStringLiteral("v"));
        EXPECT_EQ(dialog->focusWidget(), name);

        Choose(dialog, QStringLiteral("t"));
        name->setText(QStringLiteral("T"));   // its own name in capitals
        Press(dialog, QStringLiteral("Z&atwierdź"));
        EXPECT_EQ(name->text(), QStringLiteral("t"));

        name->setText(QStringLiteral(" t[1] "));
        Press(dialog, QStringLiteral("Z&atwierdź"));
        EXPECT_EQ(name->text(), QStringLiteral("t{1}"));
    });
    EXPECT_EQ(messages, (std::vector<QString>{message6, message6}));
    EXPECT_EQ(form.Workbench().Kinds().GetById(kind::v)->Name, QStringLiteral("v"));
    EXPECT_EQ(form.Workbench().Kinds().GetById(kind::t)->Name, QStringLiteral("t{1}"));
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("t{1}"));   // the bound column follows
}

// ---- About box ----

TEST(AboutBox, ShowsTheProgramAndClosesWithEnterOrEscape)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        bool shown = false;
        WhenModal([key, &shown](QWidget* box) {
            shown = true;
            EXPECT_EQ(box->windowTitle(), QStringLiteral("O Salvento"));
            EXPECT_EQ(box->property("helpTopic").toInt(), 301);
            auto* name = Find<QLabel>(box, "ProductName");
            EXPECT_EQ(name->text(), QStringLiteral("Salvento dla Windows"));
            EXPECT_TRUE(name->font().bold());
            EXPECT_EQ(Find<QLabel>(box, "Version")->text(), QStringLiteral("Wersja 2.2"));
            EXPECT_EQ(Find<QLabel>(box, "Licence")->text(), QStringLiteral("Rozpowszechniany na licencji MIT"));
            EXPECT_EQ(Find<QPushButton>(box, "OKButton")->text(), QStringLiteral("To fantastycznie !"));
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(box, &press);
        });
        form.Actions().About->trigger();
        EXPECT_TRUE(shown);
    }
}

}   // namespace
