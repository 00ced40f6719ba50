#pragma once

#include "support/TestSupport.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property of the code under fuzzing that failed: libFuzzer keeps the input as a crash.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);                      \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// A fuzz input read from the front: single bytes steer the choices, the rest is the text to parse.
// An exhausted input gives zero bytes and empty texts.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) { }

    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    // One of n choices (n ≥ 1).
    int Choice(int n) { return Byte() % n; }
    bool Flag() { return Byte() & 1; }
    // The next bytes up to a line feed (not included; the line feed is consumed), as UTF-8 text.
    QString Line();
    // The next `count` bytes (fewer at the end).
    QByteArray Bytes(std::size_t count);
    QByteArray Rest() { return Bytes(m_size - m_at); }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// The scratch directory of the fuzzing process, made once: a copy of the shipped SALVENTO.INI and
// WSI.INI, and room for the files a target writes.
TempHome& Scratch();

class DataManager;
class TTable;

// The kinds configured by the shipped SALVENTO.INI (and WSI.INI), made once.
DataManager& ShippedKinds();

// A small table from a text: the first line holds the column names (bound to kinds by name), the
// others the rows; fields are separated by tabs. At most 6 columns and 20 rows are taken, and the
// table has at least one of each.
void FillTable(TTable& table, const QString& text, const DataManager& kinds);

// A user who confirms every question and otherwise answers as ScriptedUi does.
class AgreeingUi : public ScriptedUi
{
public:
    bool AskYesNo(const QString&) override { return true; }
};
