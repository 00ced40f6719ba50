#include "calc/CalcChoices.h"

#include "table/Table.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("CalcChoices", text);
}

}   // namespace

QString NewTableText()
{
    return Tr("Nowa");
}

QString NoneText()
{
    return Tr("Żadna");
}

QString RowNumberText()
{
    return Tr("Numer wiersza");
}

QString NothingComputableText()
{
    return Tr("Niestety, posiadane przez Ciebie dane nie pozwalają obliczyć żadnego wskaźnika !");
}

QString TableEntryText(const TTable& table)
{
    const QString name = table.FileName().isEmpty() ? QString() : QFileInfo(table.FileName()).fileName();
    return TTable::NumberedText(table.TableNumber(), name);
}

QString NewTableEntryText(int tableNumber)
{
    return QString::asprintf(Tr("Tabela %2d ()").toUtf8().constData(), tableNumber);
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
