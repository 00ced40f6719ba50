#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <filesystem>

// SALVENTO.INI and its kin: sections in square brackets and key=value lines. Section and key names
// are matched ignoring letter case, values are trimmed, and a missing key gives the caller's
// default. The file is read like a data file (UTF-8, else Windows-1250) and written as UTF-8.
// Reading sees the file as it is now: the content is read again whenever the file changed on disk.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString& Path() const { return m_path; }

    // The value of the key, cut to `maxLength` characters; `defaultValue` when the key is absent.
    QString ReadString(QStringView section, QStringView key, const QString& defaultValue = QString(),
                       int maxLength = 259) const;
    // The leading decimal digits of the value; 0 when it does not start with a digit;
    // `defaultValue` when the key is absent.
    int ReadInteger(QStringView section, QStringView key, int defaultValue) const;

    // Sets key=value, keeping every other line of the file, its comments and its order; adds the
    // section and the key when missing. A regular file is replaced atomically and keeps its old
    // content when it cannot be written (see WriteOutputFile); false is returned then.
    bool WriteString(QStringView section, QStringView key, const QString& value);

private:
    struct Stamp
    {
        bool exists = false;
        std::filesystem::file_time_type time;
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };

    Stamp CurrentStamp() const;
    void Refresh() const;
    // Index of the key's line within the section, or -1; `sectionEnd` receives the index after the
    // section's last non-blank line (-1 when the section is missing).
    qsizetype FindKey(QStringView section, QStringView key, qsizetype* sectionEnd) const;

    QString m_path;
    mutable QStringList m_lines;
    mutable Stamp m_stamp;
    mutable bool m_loaded = false;
    mutable QString m_lineEnd = QStringLiteral("\r\n");
};
