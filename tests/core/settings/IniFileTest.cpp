#include "support/TestSupport.h"

#include "core/settings/IniFile.h"
#include "core/settings/Options.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QByteArray Sample = "; Salvento\r\n"
                          "[Options]\r\n"
                          "  Language = PL  \r\n"
                          "NebulosityTo=8 octas\r\n"
                          "Negative=-5\r\n"
                          "Empty=\r\n"
                          "\r\n"
                          "; kinds\r\n"
                          "[Names]\r\n"
                          "t=Ta\r\n"
                          "t=second\r\n";

TEST(IniFile, ReadsIgnoringCaseAndTrimming)
{
    TempHome home(Sample);
    const IniFile ini(home.IniPath());
    EXPECT_EQ(ini.ReadString(u"options", u"LANGUAGE"), QStringLiteral("PL"));
    EXPECT_EQ(ini.ReadString(u"Names", u"T"), QStringLiteral("Ta"));   // the first of two keys
    EXPECT_EQ(ini.ReadString(u"Options", u"Missing", QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_EQ(ini.ReadString(u"Nowhere", u"t", QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_EQ(ini.ReadString(u"Options", u"Empty", QStringLiteral("dflt")), QString());
    EXPECT_EQ(ini.ReadString(u"Options", u"t", QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_EQ(ini.ReadInteger(u"Options", u"NebulosityTo", 10), 8);
    EXPECT_EQ(ini.ReadInteger(u"Options", u"Negative", 10), 0);
    EXPECT_EQ(ini.ReadInteger(u"Options", u"Language", 10), 0);
    EXPECT_EQ(ini.ReadInteger(u"Options", u"Missing", 10), 10);
}

TEST(IniFile, CutsLongValues)
{
    TempHome home("[S]\nk=" + QByteArray(600, 'x') + "\n");
    const IniFile ini(home.IniPath());
    EXPECT_EQ(ini.ReadString(u"S", u"k").size(), 259);
    EXPECT_EQ(ini.ReadString(u"S", u"k", QString(), 500).size(), 500);
}

TEST(IniFile, WritingKeepsEveryOtherLine)
{
    TempHome home(Sample);
    IniFile ini(home.IniPath());
    ASSERT_TRUE(ini.WriteString(u"OPTIONS", u"language", QStringLiteral("EN")));
    ASSERT_TRUE(ini.WriteString(u"Options", u"DecimalSepPoint", QStringLiteral("0")));
    ASSERT_TRUE(ini.WriteString(u"LastOpened", u"0", QStringLiteral("/home/ewa/łeba.txt")));
    EXPECT_EQ(home.Read(QStringLiteral("SALVENTO.INI")),
              QByteArray("; Salvento\r\n"
                         "[Options]\r\n"
                         "language=EN\r\n"
                         "NebulosityTo=8 octas\r\n"
                         "Negative=-5\r\n"
                         "Empty=\r\n"
                         "DecimalSepPoint=0\r\n"
                         "\r\n"
                         "; kinds\r\n"
                         "[Names]\r\n"
                         "t=Ta\r\n"
                         "t=second\r\n"
                         "\r\n"
                         "[LastOpened]\r\n"
                         "0=/home/ewa/\xC5\x82"
                         "eba.txt\r\n"));
    EXPECT_EQ(ini.ReadString(u"LastOpened", u"0"), QStringLiteral("/home/ewa/łeba.txt"));
}

TEST(IniFile, SeesChangesMadeByAnotherWriter)
{
    TempHome home(Sample);
    const IniFile reader(home.IniPath());
    EXPECT_EQ(reader.ReadString(u"Names", u"t"), QStringLiteral("Ta"));
    IniFile writer(home.IniPath());
    writer.WriteString(u"Names", u"t", QStringLiteral("Tb"));
    EXPECT_EQ(reader.ReadString(u"Names", u"t"), QStringLiteral("Tb"));
}

TEST(IniFile, ReadsWindows1250AndCreatesMissingFiles)
{
    TempHome home("[DescriptionsPL]\r\nt=Temperatura powietrza \xB0"
                  "C, \xB3\xB9"
                  "ka\r\n");
    IniFile ini(home.IniPath());
    EXPECT_EQ(ini.ReadString(u"DescriptionsPL", u"t"), QStringLiteral("Temperatura powietrza °C, łąka"));

    IniFile fresh(home.Path(QStringLiteral("new.ini")));
    EXPECT_EQ(fresh.ReadString(u"S", u"k", QStringLiteral("d")), QStringLiteral("d"));
    ASSERT_TRUE(fresh.WriteString(u"S", u"k", QStringLiteral("v")));
    EXPECT_EQ(home.Read(QStringLiteral("new.ini")), QByteArray("[S]\r\nk=v\r\n"));
}

TEST(IniFile, UnwritableFileKeepsItsContent)
{
    TempHome home(Sample);
    QDir(home.Path(QString())).mkdir(QStringLiteral("dir.ini"));
    IniFile directory(home.Path(QStringLiteral("dir.ini")));
    EXPECT_FALSE(directory.WriteString(u"S", u"k", QStringLiteral("v")));
    IniFile nowhere(home.Path(QStringLiteral("missing/SALVENTO.INI")));
    EXPECT_FALSE(nowhere.WriteString(u"S", u"k", QStringLiteral("v")));
    EXPECT_EQ(nowhere.ReadString(u"S", u"k", QStringLiteral("d")), QStringLiteral("d"));
}

TEST(ProgramOptions, ReadsDefaultsAndWritesAllKeys)
{
    TempHome home("[Options]\nNebulosityTo=8\nDecimalSepPoint=2\nDateFormat=dd.mm.yyyy\n");
    IniFile ini(home.IniPath());
    ProgramOptions options;
    options.Read(ini);
    EXPECT_EQ(options.Record.NebulosityFrom, 0);
    EXPECT_EQ(options.Record.NebulosityTo, 8);
    EXPECT_EQ(options.Record.DateFormat, QStringLiteral("dd.mm.yyyy"));
    EXPECT_EQ(options.Record.HourFormat, QStringLiteral("HH:mm"));
    EXPECT_FALSE(options.DecimalSepPoint);   // 2 selects the system's separator

    ScriptedUi ui;
    EXPECT_EQ(options.EffectiveDecimalSeparator(QStringLiteral(","), ui), QChar(u','));
    EXPECT_EQ(options.EffectiveDecimalSeparator(QStringLiteral("٫."), ui), QChar(u'.'));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Information);
    EXPECT_TRUE(options.DecimalSepPoint);   // the point is chosen and remembered

    options.DecimalSepPoint = false;
    options.Write(ini);
    EXPECT_EQ(ini.ReadString(u"Options", u"DecimalSepPoint"), QStringLiteral("0"));
    EXPECT_EQ(ini.ReadString(u"Options", u"HourColumnName"), QStringLiteral("hour"));
}

}   // namespace
