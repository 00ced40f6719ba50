#include "gui/chart/ChartWindow.h"

#include "core/stats/StatOptions.h"
#include "core/table/Table.h"
#include "gui/app/Hints.h"
#include "gui/chart/ChartImage.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The help topic of the chart window and its command.
constexpr int ChartHelpTopic = 144;

// A chart view that zooms with the wheel and pans with the arrow keys; Home undoes every zoom.
class ZoomingView : public QChartView
{
public:
    using QChartView::QChartView;

protected:
    void wheelEvent(QWheelEvent* event) override
    {
        chart()->zoom(event->angleDelta().y() > 0 ? 1.25 : 0.8);
        event->accept();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        constexpr qreal Step = 20;
        switch (event->key()) {
        case Qt::Key_Left:
            chart()->scroll(-Step, 0);
            break;
        case Qt::Key_Right:
            chart()->scroll(Step, 0);
            break;
        case Qt::Key_Up:
            chart()->scroll(0, Step);
            break;
        case Qt::Key_Down:
            chart()->scroll(0, -Step);
            break;
        case Qt::Key_Plus:
            chart()->zoomIn();
            break;
        case Qt::Key_Minus:
            chart()->zoomOut();
            break;
        case Qt::Key_Home:
            chart()->zoomReset();
            break;
        default:
            QChartView::keyPressEvent(event);
            return;
        }
        event->accept();
    }
};

}   // namespace

TChartWin::TChartWin(TTable& table, const std::vector<int>& columns, QWidget* parent) : QWidget(parent), m_table(table)
{
    setAttribute(Qt::WA_DeleteOnClose);
    SetHelpTopic(this, ChartHelpTopic);
    m_view = new ZoomingView(this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_problem = new QLabel(this);
    m_problem->setAlignment(Qt::AlignCenter);
    m_problem->setWordWrap(true);
    m_problem->hide();
    BuildPanel(columns);

    m_redraw = new QTimer(this);
    m_redraw->setSingleShot(true);
    m_redraw->setInterval(300);
    connect(m_redraw, &QTimer::timeout, this, &TChartWin::Redraw);
    const auto later = [this] { m_redraw->start(); };
    connect(&table, &TTable::cellsChanged, this, later);
    connect(&table, &TTable::headerChanged, this, later);
    connect(&table, &TTable::rowsInserted, this, later);
    connect(&table, &TTable::rowsRemoved, this, later);
    connect(&table, &TTable::rowsMoved, this, later);
    connect(&table, &TTable::columnsInserted, this, [this] { close(); });   // the columns chosen are no more
    connect(&table, &TTable::columnsRemoved, this, [this] { close(); });
    connect(&table, &TTable::columnsMoved, this, [this] { close(); });
    connect(&table, &TTable::captionChanged, this, &TChartWin::UpdateCaption);
    connect(&table, &QObject::destroyed, this, [this] {
        if (QWidget* frame = parentWidget())
            frame->close();
        else
            close();
    });
    UpdateCaption();
    resize(820, 520);
    Redraw();
}

void TChartWin::BuildPanel(const std::vector<int>& columns)
{
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("cmbType"));
    m_type->addItem(tr("Przebieg"), int(ChartType::Series));
    m_type->addItem(tr("Histogram"), int(ChartType::Histogram));
    m_type->addItem(tr("Kalendarz bioklimatyczny"), int(ChartType::Calendar));
    m_columns = new QListWidget(this);
    for (int c = 1; c < m_table.ColCount(); ++c) {
        auto* item = new QListWidgetItem(m_table.HeaderText(c), m_columns);
        item->setData(Qt::UserRole, c);
        item->setCheckState(std::find(columns.begin(), columns.end(), c) != columns.end() ? Qt::Checked
                                                                                          : Qt::Unchecked);
    }
    m_columns->setObjectName(QStringLiteral("lstColumns"));
    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("cmbMode"));
    m_parameter = new QLineEdit(this);
    m_parameter->setObjectName(QStringLiteral("edtParameter"));
    m_percent = new QCheckBox(tr("W procentach"), this);
    m_percent->setObjectName(QStringLiteral("chkPercent"));
    m_histogramOptions = new QWidget(this);
    auto* histogram = new QFormLayout(m_histogramOptions);
    histogram->setContentsMargins(0, 0, 0, 0);
    histogram->addRow(tr("Przedziały:"), m_mode);
    histogram->addRow(tr("Wartość:"), m_parameter);
    histogram->addRow(m_percent);

    auto* save = new QPushButton(tr("Zapisz jako ..."), this);
    auto* copy = new QPushButton(tr("Kopiuj"), this);
    auto* panel = new QVBoxLayout;
    panel->addWidget(new QLabel(tr("Rodzaj wykresu:"), this));
    panel->addWidget(m_type);
    panel->addWidget(new QLabel(tr("Kolumny:"), this));
    panel->addWidget(m_columns, 1);
    panel->addWidget(m_histogramOptions);
    panel->addWidget(save);
    panel->addWidget(copy);
    auto* layout = new QHBoxLayout(this);
    auto* chartArea = new QVBoxLayout;
    chartArea->addWidget(m_view, 1);
    chartArea->addWidget(m_problem, 1);
    layout->addLayout(panel);
    layout->addLayout(chartArea, 1);
    m_columns->setMaximumWidth(180);

    connect(m_type, &QComboBox::currentIndexChanged, this, [this] {
        FillModes();
        Redraw();
    });
    connect(m_columns, &QListWidget::itemChanged, this, [this] {
        FillModes();
        Redraw();
    });
    connect(m_mode, &QComboBox::activated, this, &TChartWin::Redraw);
    connect(m_parameter, &QLineEdit::editingFinished, this, &TChartWin::Redraw);
    connect(m_percent, &QCheckBox::toggled, this, &TChartWin::Redraw);
    connect(save, &QPushButton::clicked, this, &TChartWin::SaveAs);
    connect(copy, &QPushButton::clicked, this, &TChartWin::Copy);
    FillModes();
}

ChartType TChartWin::Type() const
{
    return ChartType(m_type->currentData().toInt());
}

void TChartWin::SetType(ChartType type)
{
    m_type->setCurrentIndex(m_type->findData(int(type)));
}

std::vector<int> TChartWin::Columns() const
{
    std::vector<int> columns;
    for (int i = 0; i < m_columns->count(); ++i)
        if (m_columns->item(i)->checkState() == Qt::Checked)
            columns.push_back(m_columns->item(i)->data(Qt::UserRole).toInt());
    return columns;
}

// The frequency modes the first chosen column offers, as the statistics options do; the kind's
// classes first when it has them.
void TChartWin::FillModes()
{
    const std::vector<int> columns = Columns();
    m_histogramOptions->setVisible(Type() == ChartType::Histogram);
    const int previous = m_mode->currentData().toInt();
    m_mode->clear();
    if (columns.empty())
        return;
    const TStatColumnRec record = MakeStatColumns(m_table, columns[0], 1, columns[0], 1)[0];
    const std::pair<int, QString> modes[] = {{fmStandard, tr("klasy wskaźnika")},
                                             {fmCount, tr("w liczbie")},
                                             {fmWidth, tr("o szerokości")},
                                             {fmUser, tr("progi użytkownika")}};
    for (const auto& [mode, name] : modes)
        if (IsModeOffered(record, mode))
            m_mode->addItem(name, mode);
    const int kept = m_mode->findData(previous);
    m_mode->setCurrentIndex(kept >= 0 ? kept : 0);
    if (m_parameter->text().isEmpty())
        m_parameter->setText(QStringLiteral("10"));
}

std::unique_ptr<QChart> TChartWin::MakeChart()
{
    const std::vector<int> columns = Columns();
    if (columns.empty()) {
        m_problem->setText(tr("Zaznacz kolumny, z których powstaje wykres."));
        return nullptr;
    }
    switch (Type()) {
    case ChartType::Series:
        return SeriesChart(m_table, columns);
    case ChartType::Histogram: {
        TStatColumnRec record = MakeStatColumns(m_table, columns[0], 1, columns[0], 1)[0];
        TStatOptions options = LoadStatOptions(record);
        options.FreqMode = m_mode->currentData().toInt();
        options.UserText = options.HistWidth = options.HistCount = m_parameter->text();
        if (const QString refusal = StoreStatOptions(options, record, m_table.RowCount() - 1); !refusal.isEmpty()) {
            m_problem->setText(refusal);
            return nullptr;
        }
        return HistogramChart(record, m_percent->isChecked());
    }
    case ChartType::Calendar:
        if (auto chart = CalendarChart(m_table, columns[0]))
            return chart;
        m_problem->setText(CalendarRefusal(m_table, columns[0]));
        return nullptr;
    }
    return nullptr;
}

void TChartWin::Redraw()
{
    std::unique_ptr<QChart> chart = MakeChart();
    m_view->setRubberBand(Type() == ChartType::Series ? QChartView::RectangleRubberBand : QChartView::NoRubberBand);
    m_problem->setVisible(!chart);
    m_view->setVisible(bool(chart));
    if (!chart)
        return;
    QChart* old = m_view->chart();
    m_view->setChart(chart.release());
    delete old;
}

QString TChartWin::Problem() const
{
    return m_problem->isVisible() ? m_problem->text() : QString();
}

void TChartWin::UpdateCaption()
{
    setWindowTitle(tr("Wykres: %1").arg(m_table.Caption()));
}

bool TChartWin::SaveTo(const QString& path) const
{
    return m_view->isVisible() && SaveChart(*m_view->chart(), m_view->size(), path);
}

void TChartWin::SaveAs()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Zapisz wykres"), QString(),
                                                      tr("Obraz PNG (*.png);;Grafika SVG (*.svg)"));
    if (path.isEmpty())
        return;
    if (!SaveTo(path))
        QMessageBox::critical(this, tr("Wykres"), tr("Błąd podczas zapisu do pliku %1 !").arg(path));
}

void TChartWin::Copy()
{
    if (m_view->isVisible())
        QApplication::clipboard()->setImage(RenderChart(*m_view->chart(), m_view->size()));
}
