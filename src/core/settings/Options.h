#pragma once

#include <QChar>
#include <QString>

class IniFile;
class UserInterface;

// The read/write options of the section Options of SALVENTO.INI. Of them only the choice of the
// decimal separator acts on the program; the rest are kept and edited for the user.
struct TOptionsRecord
{
    int NebulosityFrom = 0;
    int NebulosityTo = 10;
    QString DateColumnName = QStringLiteral("date");
    QString DateFormat = QStringLiteral("yyyy-mm-dd");
    QString HourColumnName = QStringLiteral("hour");
    QString HourFormat = QStringLiteral("HH:mm");
};

struct ProgramOptions
{
    TOptionsRecord Record;
    bool DecimalSepPoint = true;   // the point always; otherwise the system's separator

    void Read(const IniFile& ini);
    void Write(IniFile& ini) const;

    // The separator the options choose. A system separator of more than one character cannot be
    // used: the user is told, and the point is chosen and remembered.
    QChar EffectiveDecimalSeparator(const QString& systemSeparator, UserInterface& ui);
};
