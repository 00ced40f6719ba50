#include "gui/chart/ChartImage.h"

#include <QChart>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// Lays the chart out at `size` in a scene of its own and paints it.
void Paint(QChart& chart, QSize size, QPaintDevice& device)
{
    QGraphicsScene scene;
    QGraphicsScene* previous = chart.scene();   // a chart view's, which gets it back as it was
    const QRectF geometry = chart.geometry();
    if (previous)
        previous->removeItem(&chart);
    scene.addItem(&chart);
    chart.resize(size);
    scene.setSceneRect(QRectF(QPointF(0, 0), size));
    {
        QPainter painter(&device);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, QRectF(QPointF(0, 0), size), scene.sceneRect());
    }
    scene.removeItem(&chart);
    if (previous) {
        previous->addItem(&chart);
        chart.setGeometry(geometry);
    }
}

}   // namespace

QImage RenderChart(QChart& chart, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    Paint(chart, size, image);
    return image;
}

bool SaveChart(QChart& chart, QSize size, const QString& path)
{
    if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) != 0)
        return RenderChart(chart, size).save(path);
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(chart.title());
    Paint(chart, size, svg);
    return QFileInfo(path).size() > 0;
}
