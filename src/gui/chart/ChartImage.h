#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QChart;

// The chart drawn at `size` pixels on white.
QImage RenderChart(QChart& chart, QSize size);

// Writes the chart at `size` to `path`: SVG when the name ends in .svg, otherwise a picture in the
// format its suffix names (PNG for .png). False when it could not be written.
bool SaveChart(QChart& chart, QSize size, const QString& path);
