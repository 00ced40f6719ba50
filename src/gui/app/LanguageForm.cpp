#include "gui/app/LanguageForm.h"

#include "gui/app/Hints.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace {

constexpr int FlagWidth = 70;
constexpr int FlagHeight = 30;

QPixmap Flag(const std::function<void(QPainter&, const QRect&)>& paint)
{
    QPixmap flag(FlagWidth, FlagHeight);
    QPainter painter(&flag);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, flag.rect());
    return flag;
}

// White over red.
void PaintPolish(QPainter& painter, const QRect& rect)
{
    painter.fillRect(rect.x(), rect.y(), rect.width(), rect.height() / 2, Qt::white);
    painter.fillRect(rect.x(), rect.height() / 2, rect.width(), rect.height() - rect.height() / 2, QColor(220, 20, 60));
}

// The union flag: blue field, white and red saltires, white-bordered red cross.
void PaintBritish(QPainter& painter, const QRect& rect)
{
    const QColor blue(1, 33, 105);
    const QColor red(200, 16, 46);
    painter.fillRect(rect, blue);
    painter.setClipRect(rect);
    const QLineF diagonals[] = {{rect.topLeft(), rect.bottomRight() + QPoint(1, 1)},
                                {rect.bottomLeft() + QPoint(0, 1), rect.topRight() + QPoint(1, 0)}};
    for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 6.0}, std::pair{red, 2.0}}) {
        painter.setPen(QPen(colour, width));
        for (const QLineF& diagonal : diagonals)
            painter.drawLine(diagonal);
    }
    const QPointF centre = QRectF(rect).center();
    for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 10.0}, std::pair{red, 6.0}}) {
        painter.fillRect(QRectF(centre.x() - width / 2, rect.top(), width, rect.height()), colour);
        painter.fillRect(QRectF(rect.left(), centre.y() - width / 2, rect.width(), width), colour);
    }
}

// Blue, white and red in vertical bands.
void PaintFrench(QPainter& painter, const QRect& rect)
{
    const QColor bands[] = {QColor(0, 85, 164), Qt::white, QColor(239, 65, 53)};
    const int width = rect.width() / 3;
    for (int i = 0; i < 3; ++i)
        painter.fillRect(rect.x() + i * width, rect.y(), i == 2 ? rect.width() - 2 * width : width, rect.height(),
                         bands[i]);
}

// A raised panel with the flag and the language's button.
QFrame* Panel(const char* name, const QPixmap& flag, QPushButton* button, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    auto* picture = new QLabel(panel);
    picture->setPixmap(flag);
    picture->setFixedSize(FlagWidth, FlagHeight);
    auto* layout = new QHBoxLayout(panel);
    layout->addWidget(picture);
    layout->addWidget(button, 1);
    return panel;
}

}   // namespace

TLanguageForm::TLanguageForm(int focusLanguage, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TLanguageForm"));
    setWindowTitle(QStringLiteral("Wybierz język / Choose a language / Choisissez une langue"));
    FitTitle(this);

    auto* btnPolski = new QPushButton(QStringLiteral("Język &polski"), this);
    btnPolski->setObjectName(QStringLiteral("btnPolski"));
    connect(btnPolski, &QPushButton::clicked, this, [this] { done(Polish); });
    auto* btnEnglish = new QPushButton(QStringLiteral("&English language"), this);
    btnEnglish->setObjectName(QStringLiteral("btnEnglish"));
    connect(btnEnglish, &QPushButton::clicked, this, [this] { done(English); });
    auto* btnFrancais = new QPushButton(QStringLiteral("Langue &française"), this);
    btnFrancais->setObjectName(QStringLiteral("btnFrancais"));
    btnFrancais->setEnabled(false);
    Hint(btnFrancais, QStringLiteral("Wersja francuska póki co nie istnieje!"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel("pnPolski", Flag(PaintPolish), btnPolski, this));
    layout->addWidget(Panel("pnEnglish", Flag(PaintBritish), btnEnglish, this));
    layout->addWidget(Panel("pnFrancais", Flag(PaintFrench), btnFrancais, this));

    QPushButton* focused = focusLanguage == 1045 ? btnPolski : btnEnglish;
    focused->setDefault(true);
    focused->setFocus();
}

int TLanguageForm::Ask(int focusLanguage, QWidget* parent)
{
    TLanguageForm form(focusLanguage, parent);
    switch (form.exec()) {
    case Polish:
        return 1045;
    case English:
        return 1033;
    default:
        return 0;
    }
}
