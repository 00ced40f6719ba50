#include "support/TestSupport.h"

#include "core/settings/ConfigLocation.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(ConfigLocation, BesideAWritableProgram)
{
    TempHome program(QByteArray("[Options]\nLanguage=PL\n"));
    TempHome config;
    EXPECT_EQ(ConfigPath(program.Path(QString()), config.Path(QString()), true), program.IniPath());
    EXPECT_FALSE(QDir(config.Path(QStringLiteral("salvento"))).exists());
}

TEST(ConfigLocation, AnInstalledProgramWorksOnTheUsersCopy)
{
    TempHome program(QByteArray("[Options]\nLanguage=\n"));
    TempHome config;
    const QString copy = ConfigPath(program.Path(QString()), config.Path(QString()), false);
    EXPECT_EQ(copy, config.Path(QStringLiteral("salvento/SALVENTO.INI")));
    EXPECT_EQ(config.Read(QStringLiteral("salvento/SALVENTO.INI")), QByteArray("[Options]\nLanguage=\n"));

    // The copy is made once: what the user's runs wrote into it stays.
    config.Write(QStringLiteral("salvento/SALVENTO.INI"), "[Options]\nLanguage=EN\n");
    EXPECT_EQ(ConfigPath(program.Path(QString()), config.Path(QString()), false), copy);
    EXPECT_EQ(config.Read(QStringLiteral("salvento/SALVENTO.INI")), QByteArray("[Options]\nLanguage=EN\n"));
}

TEST(ConfigLocation, DataDirectoryOfABuildTreeAndOfAnInstalledProgram)
{
    const struct
    {
        bool beside, installed;
        QString expected;
    } cases[] = {
        {true, true, QStringLiteral("bin")},
        {false, true, QStringLiteral("share/salvento")},
        {false, false, QStringLiteral("bin")},
    };
    for (const auto& layout : cases) {
        TempHome prefix;
        QDir(prefix.Path(QString())).mkpath(QStringLiteral("bin"));
        QDir(prefix.Path(QString())).mkpath(QStringLiteral("share/salvento"));
        if (layout.beside)
            prefix.Write(QStringLiteral("bin/SALVENTO.INI"), "[Options]\n");
        if (layout.installed)
            prefix.Write(QStringLiteral("share/salvento/SALVENTO.INI"), "[Options]\n");
        EXPECT_EQ(DataDirectory(prefix.Path(QStringLiteral("bin"))), prefix.Path(layout.expected));
    }
}

TEST(ConfigLocation, LanguageModuleByTheNamingRule)
{
    TempHome program;
    const QString executable = program.Path(QStringLiteral("salvento"));
    EXPECT_TRUE(FindLanguageModule(executable, 1033).isEmpty());
    program.Write(QStringLiteral("salvento.EN"), "two letters");
    EXPECT_EQ(FindLanguageModule(executable, 1033), program.Path(QStringLiteral("salvento.EN")));
    program.Write(QStringLiteral("salvento.ENU"), "three letters");
    EXPECT_EQ(FindLanguageModule(executable, 1033), program.Path(QStringLiteral("salvento.ENU")));
    EXPECT_TRUE(FindLanguageModule(executable, 1045).isEmpty());
    program.Write(QStringLiteral("salvento.PL"), "polski");
    EXPECT_EQ(FindLanguageModule(executable, 1045), program.Path(QStringLiteral("salvento.PL")));
    // A program file with an extension has it replaced.
    EXPECT_EQ(FindLanguageModule(program.Path(QStringLiteral("salvento.exe")), 1033),
              program.Path(QStringLiteral("salvento.ENU")));
}

}   // namespace
