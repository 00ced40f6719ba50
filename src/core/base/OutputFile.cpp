#include "core/base/OutputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool WriteOutputFile(const QString& path, const std::function<bool(QIODevice&)>& write, QString* error)
{
    const auto fail = [error](const QFileDevice& file) {
        if (error)
            *error = file.errorString();
        return false;
    };
    const QFileInfo target(path);   // follows links
    if (target.exists() && !target.isFile()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !write(file))
            return fail(file);
        file.close();   // the system may report a failure only now
        return file.error() == QFileDevice::NoError || fail(file);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit())
        return fail(file);
    return true;
}
