#include "GuiTestSupport.h"

#include "table/Table.h"
#include "table/TableWin.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

#include <gtest/gtest.h>

namespace {

bool MenuVisible(TMainForm& form, const QString& title)
{
    for (QAction* action : form.menuBar()->actions())
        if (action->text() == title)
            return action->isVisible();
    return false;
}

TEST(MainForm, TableCommandsFollowTheOpenTables)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    EXPECT_FALSE(MenuVisible(form, QStringLiteral("&Edycja")));
    EXPECT_FALSE(MenuVisible(form, QStringLiteral("O&kno")));
    EXPECT_FALSE(form.Action("acZapisz")->isEnabled());
    EXPECT_FALSE(form.Action("acObliczenia")->isEnabled());

    form.Action("acNowy")->trigger();
    ASSERT_EQ(form.MdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(MenuVisible(form, QStringLiteral("&Edycja")));
    EXPECT_TRUE(form.Action("acObliczenia")->isEnabled());
    EXPECT_FALSE(form.Action("acZapisz")->isEnabled());   // nothing to save yet
    EXPECT_EQ(form.ActiveTableWin()->windowTitle(), QStringLiteral("Tabela 1"));

    form.ActiveTableWin()->Table().SetModified(true);
    EXPECT_TRUE(form.Action("acZapisz")->isEnabled());

    AnswerMessage(QMessageBox::Yes);
    form.Action("acZamknij")->trigger();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.MdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(form.Tables().Count(), 0);
    EXPECT_FALSE(MenuVisible(form, QStringLiteral("&Edycja")));
}

TEST(MainForm, ClosingAModifiedTableAsksFirst)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    form.Action("acNowy")->trigger();
    form.ActiveTableWin()->Table().SetModified(true);
    QString question;
    AnswerMessage(QMessageBox::No, &question);
    form.Action("acZamknij")->trigger();
    EXPECT_EQ(question, QStringLiteral("Czy na pewno chcesz zamknąć tabelę 1 ?"));
    EXPECT_EQ(form.Tables().Count(), 1);
}

TEST(MainForm, OpensAFileThroughTheLoadOptions)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    fixture.Home().Write(QStringLiteral("weather.txt"), "t;f;v\n12,5;80;3\n");
    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Opcje wczytywania danych z pliku"));
        dialog->findChild<QLineEdit*>(QStringLiteral("edDecSep"))->setText(QStringLiteral(","));
        Press(dialog, QStringLiteral("&Wczytaj"));
    });
    form.OpenFiles({fixture.Home().Path(QStringLiteral("weather.txt"))});
    ASSERT_EQ(form.Tables().Count(), 1);
    TTable& table = *form.Tables().At(0);
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("12.50"));
    EXPECT_EQ(form.Recent().Paths().first(), fixture.Home().Path(QStringLiteral("weather.txt")));
    const QModelIndex cell = form.ActiveTableWin()->Grid()->model()->index(0, 0);
    EXPECT_EQ(cell.data().toString(), QStringLiteral("12.50"));
    EXPECT_EQ(form.ActiveTableWin()->Grid()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("t"));
}

}   // namespace
