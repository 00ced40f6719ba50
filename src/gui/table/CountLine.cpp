#include "gui/table/CountLine.h"

#include "gui/app/Hints.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

QLineEdit* AddCountLine(QGridLayout* grid, int row, const QString& verb, int count, const QString& noun,
                        const QString& objectName, const QString& hint)
{
    QWidget* parent = grid->parentWidget();
    auto* field = new QLineEdit(QString::number(count), parent);
    field->setObjectName(objectName);
    field->setMaxLength(4);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), field));
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    Hint(field, hint);
    auto* nounLabel = new QLabel(noun, parent);
    nounLabel->setBuddy(field);
    grid->addWidget(new QLabel(verb, parent), row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(nounLabel, row, 2);
    return field;
}
