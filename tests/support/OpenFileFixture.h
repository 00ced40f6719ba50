#pragma once

#include "support/TestSupport.h"

#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/table/OpenDataFile.h"
#include "core/table/RecentFiles.h"
#include "core/table/TableSet.h"

#include <gtest/gtest.h>

// A scratch home with the kinds of a bare configuration, a scripted user and the open tables: what
// opening a data file as the Open command does needs.
class OpenFileFixture : public testing::Test
{
protected:
    // `ini`: the configuration the kinds are read from.
    explicit OpenFileFixture(const QByteArray& ini = QByteArray()) : home(ini) { }

    TempHome home;
    DataManager kinds{CreateKind, home.IniPath(), QStringLiteral("PL")};
    ScriptedUi ui;
    TableSet tables;
    RecentFiles recent;

    TTable* OpenPath(const QString& path, TTable* current = nullptr)
    {
        return OpenDataFile(path, tables, current, kinds, ui, recent);
    }
};
