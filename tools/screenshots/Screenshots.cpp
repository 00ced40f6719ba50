// Writes PNG pictures of the desktop application for the README: the main window with two tables
// (the example year and the indices calculated from it), the Edit menu offering to undo a change,
// the load options dialog, both calculation dialogs, the data options dialog, the options dialog and
// the three charts of the example year and the help on UTCI in Polish and English.
// Drawn offscreen; see script/screenshots.

#include "core/calc/CalcManager.h"
#include "core/data/DataManager.h"
#include "core/settings/ConfigLocation.h"
#include "core/table/OpenDataFile.h"
#include "core/table/Table.h"
#include "gui/app/Application.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/MainForm.h"
#include "gui/app/OptionsForm.h"
#include "gui/calc/CalcMainForm.h"
#include "gui/calc/CalcRunner.h"
#include "gui/calc/PossibleIdxsSelForm.h"
#include "gui/chart/ChartWindow.h"
#include "gui/data/DataOptionsForm.h"
#include "gui/table/LoadOptionsForm.h"
#include "gui/table/TableWin.h"

#include <QComboBox>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTableView>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>

namespace {

// Answers every question of the core with what a user would choose here.
class ScriptedUser : public UserInterface
{
public:
    CalcChoices choices;
    KindFlags indices{};

    void ShowMessage(const QString& text, Icon) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool AskYesNo(const QString&) override { return false; }
    std::optional<LoadOptions> ChooseLoadOptions(const LoadOptionsRequest& request) override
    {
        return LoadOptions::Defaults(request);
    }
    std::optional<CalcChoices> ChooseCalculation(const CalcSettings&) override { return choices; }
    std::optional<KindFlags> ChooseIndices(const KindFlags&, const KindFlags&) override { return indices; }
};

void Save(QWidget* widget, const QDir& out, const char* name)
{
    widget->show();
    QApplication::processEvents();
    const QString path = out.filePath(QString::fromLatin1(name));
    if (!widget->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

// The main window's top left with the Edit menu open on it (the menu is a window of its own).
void SaveEditMenu(TMainForm& form, const QDir& out, const char* name)
{
    QMenuBar* bar = form.menuBar();
    QAction* edit = nullptr;
    for (QAction* action : bar->actions())
        if (action->menu() && action->text() == QStringLiteral("&Edycja"))
            edit = action;
    if (!edit)
        return;
    QMenu* menu = edit->menu();
    menu->popup(bar->mapToGlobal(bar->actionGeometry(edit).bottomLeft()));
    QApplication::processEvents();
    QPixmap shot = form.grab();
    {
        QPainter painter(&shot);
        painter.drawPixmap(form.mapFromGlobal(menu->pos()), menu->grab());
    }
    menu->hide();
    const QRect area(QPoint(0, 0),
                     QSize(menu->geometry().right() - form.geometry().left() + 160,
                           menu->geometry().bottom() - form.geometry().top() + 40));
    const QString path = out.filePath(QString::fromLatin1(name));
    if (!shot.copy(area.intersected(shot.rect())).save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

}   // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: salvento_screenshots PROGRAM_DIRECTORY OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir program(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());

    // A private copy of the shipped configuration, so that nothing is written beside the program.
    QTemporaryDir home;
    QFile::copy(program.filePath(QStringLiteral("SALVENTO.INI")),
                QDir(home.path()).filePath(QStringLiteral("SALVENTO.INI")));
    TMainForm form(QDir(home.path()).filePath(QStringLiteral("SALVENTO.INI")), program.path());
    form.SetLanguage(1045);
    form.resize(1280, 800);
    form.show();

    ScriptedUser user;
    const QString example = program.filePath(QStringLiteral("examples/station-year.txt"));
    TTable* source = OpenDataFile(example, form.Workbench().Tables(), nullptr, form.Workbench().Kinds(), user,
                                  form.Workbench().Recent());
    if (!source)
        return 1;
    user.choices.SimpleSources = {TableEntryText(*source)};
    user.choices.SimpleDestination = NewTableText();
    for (const int id :
         {kind::Mrt, kind::STI, kind::PMV, kind::UTCI, kind::WCT, kind::Humidex, kind::Weather, kind::WSI_AR})
        user.indices[std::size_t(id)] = true;
    CalcSettings settings;
    CalcManager manager(settings, form.Workbench().Kinds(), form.Workbench().Tables(), user);
    if (!manager.Calculate() || !manager.Run())
        return 1;
    form.UpdateTableCommands(true);
    form.Actions().TileSideBySide->trigger();
    if (TTableWin* sourceWin = form.WindowOf(source))
        sourceWin->SelectCell(7, 14);
    if (TTableWin* results = form.WindowOf(manager.Destination()))
        results->SelectCell(3, 14);
    Save(&form, out, "main-window.png");

    // A cell of the results emptied: the Edit menu offers to undo it.
    if (TTableWin* results = form.WindowOf(manager.Destination())) {
        form.MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(results->parentWidget()));
        form.Actions().Clear->trigger();
    }
    SaveEditMenu(form, out, "edit-menu.png");

    LoadOptionsRequest request{example, QChar(u'\t'), true, QChar(u'.')};
    TLoadOptionsForm load(request, &form);
    Save(&load, out, "load-options.png");

    CalcSettings remembered;
    remembered.SimpleSources = {TableEntryText(*source)};
    TCalcMainForm setup(remembered, form.Workbench().Tables(), source, form.Ui(), &form);
    Save(&setup, out, "calculation-setup.png");

    // Every index on 35 years of hourly rows, two fifths done after 25 s.
    TCalcProgress progress(306'600, &form);
    progress.ShowRows(122'880, 306'600, 25'000);
    Save(&progress, out, "calculation-progress.png");

    KindFlags have{};
    source->MarkKindsPresent(have);
    KindFlags possible{};
    form.Workbench().Kinds().ComputePossible(have, possible);
    TPossibleIdxsSelForm selection(possible, user.indices, form.Workbench().Kinds(), &form);
    Save(&selection, out, "index-selection.png");

    TDataOptionsForm dataOptions(form.Workbench().Kinds(), &form);
    if (auto* kinds = dataOptions.findChild<QComboBox*>(QStringLiteral("cmbData")))
        kinds->setCurrentText(QStringLiteral("UTCI"));
    Save(&dataOptions, out, "data-options.png");

    bool point = true;
    TOptionsForm options(form.Workbench().Options().Record, &point, &form);
    Save(&options, out, "options.png");

    // The charts of the example year with its UTCI: the series, the histogram of t, the calendar.
    ScriptedUser intoSource;
    intoSource.choices.SimpleSources = {TableEntryText(*source)};
    intoSource.choices.SimpleDestination = TableEntryText(*source);
    intoSource.indices[kind::UTCI] = true;
    CalcManager utci(settings, form.Workbench().Kinds(), form.Workbench().Tables(), intoSource);
    if (!utci.Calculate() || !utci.Run())
        return 1;
    const int utciColumn = source->ColumnIndexOf(u"UTCI");
    const int tColumn = source->ColumnIndexOf(u"t");
    const std::pair<ChartType, int> charts[] = {
        {ChartType::Series, utciColumn}, {ChartType::Histogram, tColumn}, {ChartType::Calendar, utciColumn}};
    const char* names[] = {"chart-series.png", "chart-histogram.png", "chart-calendar.png"};
    for (std::size_t i = 0; i < std::size(charts); ++i) {
        TChartWin chart(*source, {charts[i].second});
        chart.SetType(charts[i].first);
        chart.resize(1000, 560);
        chart.show();
        Save(&chart, out, names[i]);
    }

    // The help on UTCI in both languages.
    QTranslator english;
    for (const auto& [language, name] : {std::pair{1045, "help-pl.png"}, std::pair{1033, "help-en.png"}}) {
        if (language == 1033 && english.load(FindLanguageModule(program.filePath(QStringLiteral("salvento")), 1033)))
            QCoreApplication::installTranslator(&english);
        THelpWindow help(THelpWindow::PageDirectory(program.path(), language));
        help.ShowPage(
            QDir(THelpWindow::PageDirectory(program.path(), language)).filePath(QStringLiteral("kind-UTCI.html")));
        help.resize(1000, 700);
        help.show();
        Save(&help, out, name);
    }
    return 0;
}
