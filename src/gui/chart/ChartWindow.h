#pragma once

#include "gui/chart/ChartBuilder.h"

#include <QWidget>

#include <vector>

class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;
class TTable;

// A chart of a table's columns in a window of its own (an MDI child beside the table windows): a
// small panel chooses the kind of chart, the columns and, for a histogram, the intervals; the chart
// is drawn again shortly after its table changes, and the window closes with its table. The chart
// can be saved as PNG or SVG and copied to the clipboard. Series zoom with a dragged rectangle or
// the wheel, pan with the arrow keys; Home shows everything again.
class TChartWin : public QWidget
{
    Q_OBJECT

public:
    TChartWin(TTable& table, const std::vector<int>& columns, QWidget* parent = nullptr);

    ChartType Type() const;
    void SetType(ChartType type);
    // Columns checked in the panel, in table order.
    std::vector<int> Columns() const;
    // Draws the chart anew from the table and the panel's choices.
    void Redraw();
    // What stands in for the chart when it cannot be drawn (empty when it is drawn).
    QString Problem() const;
    // Writes the chart as it is shown (PNG or SVG by the name's suffix); false when it could not.
    bool SaveTo(const QString& path) const;

private:
    void BuildPanel(const std::vector<int>& columns);
    void FillModes();
    void SaveAs();
    void Copy();
    void UpdateCaption();
    std::unique_ptr<QChart> MakeChart();

    TTable& m_table;
    QComboBox* m_type = nullptr;
    QListWidget* m_columns = nullptr;
    QComboBox* m_mode = nullptr;
    QLineEdit* m_parameter = nullptr;
    QCheckBox* m_percent = nullptr;
    QWidget* m_histogramOptions = nullptr;
    QLabel* m_problem = nullptr;
    QChartView* m_view = nullptr;
    QTimer* m_redraw = nullptr;
};
