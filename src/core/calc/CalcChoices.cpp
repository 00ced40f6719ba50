#include "core/calc/CalcChoices.h"

#include "core/table/Table.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The texts of this file, translated in the context "CalcChoices".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CalcChoices)
};

}   // namespace

QString NewTableText()
{
    return Texts::tr("Nowa");
}

QString NoneText()
{
    return Texts::tr("Żadna");
}

QString RowNumberText()
{
    return Texts::tr("Numer wiersza");
}

QString NothingComputableText()
{
    return Texts::tr("Niestety, posiadane przez Ciebie dane nie pozwalają obliczyć żadnego wskaźnika !");
}

QString TableEntryText(const TTable& table)
{
    const QString name = table.FileName().isEmpty() ? QString() : QFileInfo(table.FileName()).fileName();
    return TTable::NumberedText(table.TableNumber(), name);
}

QString NewTableEntryText(int tableNumber)
{
    return QString::asprintf(Texts::tr("Tabela %2d ()").toUtf8().constData(), tableNumber);
}

int TableNumberOfEntry(QStringView entry)
{
    qsizetype i = 0;
    while (i < entry.size() && !entry[i].isDigit())
        ++i;
    if (i == entry.size())
        return -1;
    qint64 number = 0;
    for (; i < entry.size() && entry[i].isDigit() && number < 1'000'000'000; ++i)
        number = number * 10 + entry[i].digitValue();
    return int(number);
}
