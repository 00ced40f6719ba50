// Every dialog lays out without clipping its texts, in both languages, at the default font and at
// a font 25 % larger (what a desktop scaled to 125 % gives).

#include "GuiTestSupport.h"

#include "core/calc/CalcChoices.h"
#include "core/data/DataManager.h"
#include "core/search/SearchState.h"
#include "core/stats/StatColumn.h"
#include "core/table/Editing.h"
#include "core/table/LoadOptions.h"
#include "core/table/Table.h"
#include "gui/app/AboutBox.h"
#include "gui/app/LanguageForm.h"
#include "gui/app/OptionsForm.h"
#include "gui/calc/CalcMainForm.h"
#include "gui/calc/PossibleIdxsDispForm.h"
#include "gui/calc/PossibleIdxsSelForm.h"
#include "gui/calc/PossibleIndexesForm.h"
#include "gui/data/DataOptionsForm.h"
#include "gui/search/SearchColForm.h"
#include "gui/search/SearchDataForm.h"
#include "gui/stats/StatisticsForm.h"
#include "gui/stats/StatisticsOptionsForm.h"
#include "gui/table/ColOptionsForm.h"
#include "gui/table/DeleteRowsColsForm.h"
#include "gui/table/InsertForm.h"
#include "gui/table/LoadOptionsForm.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

bool InsideItemView(const QWidget* widget)
{
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(w))
            return true;
    return false;
}

// What of a shown dialog does not fit: texts cut, widgets over its border, a title longer than
// the window.
QStringList ClippedParts(QDialog* dialog)
{
    QStringList clipped;
    const auto report = [&](const QWidget* w, const QString& text) {
        clipped << QStringLiteral("%1 %2 \"%3\"")
                       .arg(dialog->metaObject()->className(), w->metaObject()->className(), text);
    };
    // Room for the window's icon and its buttons in a title bar.
    if (dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) + 120 > dialog->width())
        report(dialog, dialog->windowTitle());
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(dialog) || InsideItemView(w))
            continue;
        QString text;
        bool cut = false;
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            text = label->text();
            cut = label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                                    : label->width() < label->sizeHint().width();
            if (label->objectName() == QLatin1String("lbDescr") && label->font().bold())
                report(label, QStringLiteral("bold ") + text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
            text = button->text();
            cut = button->width() < button->sizeHint().width();
        } else if (auto* group = qobject_cast<QGroupBox*>(w); group && !group->title().isEmpty()) {
            text = group->title();
            cut = group->width() < group->fontMetrics().horizontalAdvance(group->title()) + 16;
        } else {
            continue;
        }
        const QRect area(w->mapTo(dialog, QPoint(0, 0)), w->size());
        if (cut || !dialog->rect().contains(area))
            report(w, text);
    }
    return clipped;
}

// Shows the dialog as the program does, with every page of its tabs in turn.
QStringList CheckDialog(QDialog& dialog)
{
    dialog.show();
    QStringList clipped;
    const QList<QTabWidget*> tabs = dialog.findChildren<QTabWidget*>();
    if (tabs.isEmpty())
        return ClippedParts(&dialog);
    for (int page = 0; page < tabs.first()->count(); ++page) {
        tabs.first()->setCurrentIndex(page);
        clipped << ClippedParts(&dialog);
    }
    return clipped;
}

QStringList CheckEveryDialog(TMainForm& form)
{
    TTable& table = AddTable(form,
                             {QStringLiteral("t"), QStringLiteral("v"), QStringLiteral("f"), QStringLiteral("PMV")},
                             {{"10", "2", "50", "0.5"}, {"-5", "8", "90", "-1"}});
    DataManager& kinds = form.Workbench().Kinds();
    KindFlags possible{};
    possible[kind::WCI] = possible[kind::WCT] = possible[kind::Humidex] = true;
    const TableSelection selection{1, 1, 2, 2, 1, 1};
    std::vector<TStatColumnRec> records = MakeStatColumns(table, 1, 1, 4, 2);
    TSearchState search;
    const LoadOptionsRequest request{QStringLiteral("/dane/stacja-2024.txt"), QLatin1Char('\t'), true,
                                     QLatin1Char('.')};

    const std::vector<std::function<std::unique_ptr<QDialog>()>> dialogs = {
        [&] { return std::make_unique<TAboutBox>(&form); },
        [&] { return std::make_unique<TLanguageForm>(1045, &form); },
        [&] { return std::make_unique<TOptionsForm>(form.Workbench().Options().Record, nullptr, &form); },
        [&] { return std::make_unique<TLoadOptionsForm>(request, &form); },
        [&] {
            return std::make_unique<TCalcMainForm>(CalcSettings(), form.Workbench().Tables(), &table, form.Ui(), &form);
        },
        [&] { return std::make_unique<TPossibleIdxsDispForm>(possible, kinds, &form); },
        [&] { return std::make_unique<TPossibleIdxsSelForm>(possible, possible, kinds, &form); },
        [&] { return std::make_unique<TPossibleIndexesForm>(kinds, form.Workbench().Tables(), form.Ui(), &form); },
        [&] { return std::make_unique<TDataOptionsForm>(kinds, &form); },
        [&] { return std::make_unique<TSearchColForm>(kinds, QStringLiteral("ECI"), &form); },
        [&] { return std::make_unique<TSearchDataForm>(search, table.ColumnKind(1), &form); },
        [&] { return std::make_unique<TStatisticsOptionsForm>(records, 2, &form); },
        [&] { return std::make_unique<TStatisticsForm>(records, form.Ui(), &form); },
        [&] { return std::make_unique<TColOptionsForm>(table, 1, kinds, form.Ui(), &form); },
        [&] { return std::make_unique<TDeleteRowsColsForm>(selection, &form); },
        [&] { return std::make_unique<TInsertForm>(selection, &form); },
    };
    QStringList clipped;
    for (const auto& make : dialogs) {
        const std::unique_ptr<QDialog> dialog = make();
        clipped << CheckDialog(*dialog);
    }
    return clipped;
}

TEST(DialogLayout, NothingIsClippedInEitherLanguageAtEitherScale)
{
    const QFont normal = QApplication::font();
    for (const double scale : {1.0, 1.25}) {
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(font);
        {
            SCOPED_TRACE(scale);
            MainFormFixture polish;
            const QStringList clippedPolish = CheckEveryDialog(polish.Form());
            EXPECT_TRUE(clippedPolish.isEmpty()) << clippedPolish.join(QLatin1Char('\n')).toStdString();
            const EnglishModule english;
            ASSERT_TRUE(english.Loaded());
            MainFormFixture fixture(QByteArray(), 1033);
            const QStringList clippedEnglish = CheckEveryDialog(fixture.Form());
            EXPECT_TRUE(clippedEnglish.isEmpty()) << clippedEnglish.join(QLatin1Char('\n')).toStdString();
        }
        QApplication::setFont(normal);
    }
}

}   // namespace
