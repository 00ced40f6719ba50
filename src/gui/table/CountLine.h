#pragma once

#include <QString>

class QGridLayout;
class QLineEdit;

// One line of the insert and delete dialogs, "<verb> [count] <noun>", in row `row` of `grid`: a
// field of at most 4 digits opened with `count`, named `objectName` and hinted `hint`; the
// accelerator of `noun` leads to the field.
QLineEdit* AddCountLine(QGridLayout* grid, int row, const QString& verb, int count, const QString& noun,
                        const QString& objectName, const QString& hint);
