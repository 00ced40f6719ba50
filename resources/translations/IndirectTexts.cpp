// Texts the sources hand to QCoreApplication::translate() in a variable, where lupdate cannot see
// them. Only lupdate reads this file (see UpdateTranslations.cmake); nothing compiles it. Each text
// must stay exactly as it stands in its source.

#include <QtGlobal>

// src/core/table/DataFile.cpp, LoadIntoTable: columns of the file left out of the table.
const char* const DataFileSkippedColumns[] = {
    QT_TRANSLATE_NOOP("DataFile",
                      "Przy odczycie danych z pliku pominięte zostały kolumny nazywające się tak samo, jak jakaś "
                      "kolumna tabeli !"),
    QT_TRANSLATE_NOOP("DataFile",
                      "Przy odczycie danych z pliku pominięte zostały kolumny nie posiadające w tabeli odpowiedników "
                      "o takiej samej nazwie !"),
};
