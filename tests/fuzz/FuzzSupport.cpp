#include "FuzzSupport.h"

#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/table/Table.h"

#include <QFile>
#include <QStringList>

#include <algorithm>

QString FuzzInput::Line()
{
    const std::size_t start = m_at;
    while (m_at < m_size && m_data[m_at] != '\n')
        ++m_at;
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(m_data + start), qsizetype(m_at - start));
    if (m_at < m_size)
        ++m_at;
    return line;
}

QByteArray FuzzInput::Bytes(std::size_t count)
{
    count = std::min(count, m_size - m_at);
    const QByteArray bytes(reinterpret_cast<const char*>(m_data + m_at), qsizetype(count));
    m_at += count;
    return bytes;
}

namespace {

QByteArray Shipped(const char* name)
{
    QFile file(QStringLiteral(SALVENTO_RESOURCES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

}   // namespace

TempHome& Scratch()
{
    static TempHome home(Shipped("SALVENTO.INI"));
    static const bool wsi = (home.Write(QStringLiteral("WSI.INI"), Shipped("WSI.INI")), true);
    Q_UNUSED(wsi);
    return home;
}

DataManager& ShippedKinds()
{
    static DataManager kinds(CreateKind, Scratch().IniPath(), QStringLiteral("PL"), Scratch().Path(QString()));
    return kinds;
}

void FillTable(TTable& table, const QString& text, const DataManager& kinds)
{
    constexpr int MaxColumns = 6;
    constexpr int MaxRows = 20;
    const QStringList lines = text.split(u'\n').mid(0, MaxRows + 1);
    const QStringList names = lines.front().split(u'\t').mid(0, MaxColumns);
    table.SetColCount(int(names.size()) + 1);
    table.SetRowCount(std::max(int(lines.size()), 2));
    for (int c = 1; c <= names.size(); ++c)
        table.BindHeader(c, names[c - 1], kinds);
    for (int r = 1; r < lines.size(); ++r) {
        const QStringList fields = lines[r].split(u'\t').mid(0, MaxColumns);
        for (int c = 1; c <= fields.size() && c < table.ColCount(); ++c)
            table.SetCellText(c, r, fields[c - 1]);
    }
}
