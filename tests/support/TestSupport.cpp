#include "support/TestSupport.h"

#include <QFile>

TempHome::TempHome(const QByteArray& ini)
{
    if (!ini.isNull())
        Write(QStringLiteral("SALVENTO.INI"), ini);
}

QByteArray TempHome::Read(const QString& name) const
{
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TempHome::Write(const QString& name, const QByteArray& bytes) const
{
    QFile file(Path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}
