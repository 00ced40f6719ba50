#include "GuiTestSupport.h"

#include "core/table/Table.h"
#include "gui/chart/ChartWindow.h"
#include "gui/table/TableWin.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TChartWin* ChartWindow(TMainForm& form)
{
    for (QMdiSubWindow* window : form.MdiArea()->subWindowList())
        if (auto* chart = qobject_cast<TChartWin*>(window->widget()))
            return chart;
    return nullptr;
}

TEST(Chart, AChartWindowDrawsTheSelectedColumnsFollowsItsTableAndClosesWithIt)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    TTable& table = AddTable(
        form,
        {QStringLiteral("month"), QStringLiteral("day"), QStringLiteral("hour"), QStringLiteral("t"),
         QStringLiteral("HSI")},
        {{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-3"), QStringLiteral("10")},
         {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("-4"), QStringLiteral("50")},
         {QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("25"), QStringLiteral("80")}});
    QTableView* grid = form.ActiveTableWin()->Grid();
    grid->setCurrentIndex(grid->model()->index(0, 3));   // the t column
    form.Actions().Chart->trigger();
    TChartWin* chart = ChartWindow(form);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->Columns(), std::vector<int>{4});
    QChart* drawn = chart->findChild<QChartView*>()->chart();
    auto* line = qobject_cast<QLineSeries*>(drawn->series().value(0));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->count(), 3);

    // An edit of the table is drawn shortly after.
    table.SetCellNumber(4, 3, 30);
    QTest::qWait(500);
    line = qobject_cast<QLineSeries*>(chart->findChild<QChartView*>()->chart()->series().value(0));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->at(2).y(), 30.0);

    // A calendar needs classes: t has none, HSI has.
    chart->SetType(ChartType::Calendar);
    EXPECT_FALSE(chart->Problem().isEmpty());
    Find<QListWidget>(chart, "lstColumns")->item(3)->setCheckState(Qt::Unchecked);
    Find<QListWidget>(chart, "lstColumns")->item(4)->setCheckState(Qt::Checked);
    EXPECT_TRUE(chart->Problem().isEmpty());
    EXPECT_TRUE(chart->SaveTo(fixture.Home().Path(QStringLiteral("calendar.png"))));

    form.WindowOf(&table)->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ChartWindow(form), nullptr);
}

}   // namespace
