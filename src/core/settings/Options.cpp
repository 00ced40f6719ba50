#include "core/settings/Options.h"

#include "core/base/UserInterface.h"
#include "core/settings/IniFile.h"

#include <QCoreApplication>

namespace {

const QString Section = QStringLiteral("Options");

}   // namespace

void ProgramOptions::Read(const IniFile& ini)
{
    const TOptionsRecord defaults;
    Record.NebulosityFrom = ini.ReadInteger(Section, u"NebulosityFrom", defaults.NebulosityFrom);
    Record.NebulosityTo = ini.ReadInteger(Section, u"NebulosityTo", defaults.NebulosityTo);
    Record.DateColumnName = ini.ReadString(Section, u"DateColumnName", defaults.DateColumnName);
    Record.DateFormat = ini.ReadString(Section, u"DateFormat", defaults.DateFormat);
    Record.HourColumnName = ini.ReadString(Section, u"HourColumnName", defaults.HourColumnName);
    Record.HourFormat = ini.ReadString(Section, u"HourFormat", defaults.HourFormat);
    DecimalSepPoint = ini.ReadInteger(Section, u"DecimalSepPoint", 1) == 1;
}

void ProgramOptions::Write(IniFile& ini) const
{
    ini.WriteString(Section, u"NebulosityFrom", QString::number(Record.NebulosityFrom));
    ini.WriteString(Section, u"NebulosityTo", QString::number(Record.NebulosityTo));
    ini.WriteString(Section, u"DateColumnName", Record.DateColumnName);
    ini.WriteString(Section, u"DateFormat", Record.DateFormat);
    ini.WriteString(Section, u"HourColumnName", Record.HourColumnName);
    ini.WriteString(Section, u"HourFormat", Record.HourFormat);
    ini.WriteString(Section, u"DecimalSepPoint", DecimalSepPoint ? QStringLiteral("1") : QStringLiteral("0"));
}

QChar ProgramOptions::EffectiveDecimalSeparator(const QString& systemSeparator, UserInterface& ui)
{
    if (DecimalSepPoint)
        return QLatin1Char('.');
    if (systemSeparator.size() == 1)
        return systemSeparator[0];
    ui.ShowMessage(QCoreApplication::translate("ProgramOptions",
                                               "Domyślny separator dziesiętny systemu Windows ma więcej niż jeden "
                                               "znak.\r\nPrzyjęto kropkę jako separator dziesiętny."),
                   UserInterface::Icon::Information);
    DecimalSepPoint = true;
    return QLatin1Char('.');
}
