#include "BenchSupport.h"

#include "core/indices/KindFactory.h"

#include <QFile>

#include <cstdio>

void BenchUi::ShowMessage(const QString& text, Icon)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

QString ShippedFile(const char* name)
{
    return QStringLiteral(SALVENTO_BIN_DIR "/") + QString::fromUtf8(name);
}

DataManager& ShippedKinds()
{
    static DataManager kinds(CreateKind, ShippedFile("SALVENTO.INI"), QStringLiteral("PL"),
                             QStringLiteral(SALVENTO_BIN_DIR));
    return kinds;
}

double PeakMemoryMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

void ResetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}
