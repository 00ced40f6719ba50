#include "core/settings/ConfigLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString IniName = QStringLiteral("SALVENTO.INI");

}   // namespace

QString ConfigPath(const QString& programDirectory, const QString& configHome, bool programDirectoryWritable)
{
    const QString beside = QDir(programDirectory).filePath(IniName);
    if (programDirectoryWritable)
        return beside;
    const QString own = QDir(configHome).filePath(QStringLiteral("salvento/") + IniName);
    if (!QFileInfo::exists(own)) {
        QDir().mkpath(QFileInfo(own).path());
        QFile::copy(beside, own);
        QFile(own).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return own;
}

QString ConfigPath(const QString& programDirectory)
{
    const QString dataDirectory = DataDirectory(programDirectory);
    const QFileInfo directory(programDirectory);
    const QFileInfo ini(QDir(programDirectory).filePath(IniName));
    const bool writable = dataDirectory == programDirectory && directory.isWritable()
        && (!ini.exists() || ini.isWritable());
    return ConfigPath(dataDirectory, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), writable);
}

QString DataDirectory(const QString& programDirectory)
{
    if (QFileInfo::exists(QDir(programDirectory).filePath(IniName)))
        return programDirectory;
    // SALVENTO_DATA_FROM_BIN: the installed data directory relative to the installed programs.
    const QString installed = QDir::cleanPath(QDir(programDirectory).filePath(QStringLiteral(SALVENTO_DATA_FROM_BIN)));
    return QFileInfo::exists(QDir(installed).filePath(IniName)) ? installed : programDirectory;
}

QString FindLanguageModule(const QString& programPath, int language)
{
    const QString abbreviation = language == 1045 ? QStringLiteral("PLK") : QStringLiteral("ENU");
    const QFileInfo program(programPath);
    const QString name = program.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = program.dir().filePath(dot < 0 ? name : name.left(dot)) + QLatin1Char('.');
    for (const QString& extension : {abbreviation, abbreviation.left(2)})
        if (QFileInfo::exists(stem + extension))
            return stem + extension;
    return QString();
}
