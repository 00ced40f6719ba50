#pragma once

#include <QObject>
#include <QStringList>

class IniFile;

// The recently opened data files, most recent first, at most ten; stored in the section
// LastOpened of SALVENTO.INI under the keys "0" (most recent) to "9".
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxCount = 10;

    explicit RecentFiles(QObject* parent = nullptr);

    const QStringList& Paths() const { return m_paths; }

    // Puts the path first: moved there when the list holds it already (letter case ignored),
    // otherwise inserted, pushing the eleventh entry out.
    void AddRecentFile(const QString& path);

    // Reads the keys "9" down to "0", so that "0" ends up first.
    void ReadFrom(const IniFile& ini);
    // Writes one key per entry; keys beyond the list are left as they are.
    void WriteTo(IniFile& ini) const;

signals:
    void changed();

private:
    QStringList m_paths;
};
