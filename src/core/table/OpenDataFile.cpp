#include "core/table/OpenDataFile.h"

#include "core/base/TextCodec.h"
#include "core/base/UserInterface.h"
#include "core/table/DataFile.h"
#include "core/table/EpwFile.h"
#include "core/table/RecentFiles.h"
#include "core/table/TableSet.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The texts of this file, translated in the context "OpenDataFile".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(OpenDataFile)
};

// Loads a file's lines into a new table or into `current`, as `mode` says; a new table is made
// only for a file that fits in one. Returns the table that received the data, or none.
TTable* Load(const QString& path, const std::vector<QByteArrayView>& lines, int first, LoadMode mode,
             QChar dataSeparator, QChar decimalSeparator, TableSet& tables, TTable* current, const DataManager& kinds,
             UserInterface& ui)
{
    if (!current)
        mode = LoadMode::NewTable;
    if (mode == LoadMode::NewTable && !LoadFits(nullptr, lines, first, mode, dataSeparator, decimalSeparator, ui))
        return nullptr;
    TTable* target = mode == LoadMode::NewTable ? tables.NewTable() : current;
    if (!LoadIntoTable(*target, path, lines, first, mode, dataSeparator, decimalSeparator, kinds, ui))
        return nullptr;
    return target;
}

// A delimited text file: with the separators and the mode the load options give.
TTable* OpenText(const QString& path, const DataFileText& file, int first, TableSet& tables, TTable* current,
                 const DataManager& kinds, UserInterface& ui)
{
    const QChar dataSeparator = DetectDataSeparator(file.lines[std::size_t(first)]);
    const LoadOptionsRequest request{path, dataSeparator, current != nullptr,
                                     DetectDecimalSeparator(file.lines, first, dataSeparator)};
    const std::optional<LoadOptions> options = ui.ChooseLoadOptions(request);
    if (!options)
        return nullptr;
    return Load(path, file.lines, first, options->mode, options->DataSeparatorChar(request.detectedSeparator),
                options->DecimalSeparatorChar(), tables, current, kinds, ui);
}

// A weather file, read already: its format is fixed, so only the mode is asked, and only when there
// is a table to load into. The table keeps the weather file's name but is never written to it.
TTable* OpenEpw(const QString& path, const EpwText& epw, TableSet& tables, TTable* current, const DataManager& kinds,
                UserInterface& ui)
{
    LoadMode mode = LoadMode::NewTable;
    if (current) {
        LoadOptionsRequest request{path, QChar(u'\t'), true, QChar(u'.')};
        request.fixedFormat = true;
        const std::optional<LoadOptions> options = ui.ChooseLoadOptions(request);
        if (!options)
            return nullptr;
        mode = options->mode;
    }
    TTable* target = Load(path, epw.file.lines, 0, mode, QChar(u'\t'), QChar(u'.'), tables, current, kinds, ui);
    if (!target)
        return nullptr;
    if (mode == LoadMode::NewTable || mode == LoadMode::Replace)
        target->SetFileReadOnly(true);
    ui.ShowReport(epw.report);
    return target;
}

}   // namespace

TTable* OpenDataFile(const QString& path, TableSet& tables, TTable* current, const DataManager& kinds,
                     UserInterface& ui, RecentFiles& recent)
{
    if (!QFileInfo::exists(path)) {
        ui.ShowMessage(Texts::tr("Nie mogę znaleźć pliku "), UserInterface::Icon::Error);
        return nullptr;
    }
    if (const QFileInfo info(path); info.isFile() && info.size() > MaxDataFileBytes) {
        ui.ShowMessage(Texts::tr("Plik %1 jest za duży: można wczytać plik o wielkości najwyżej %2 MB !")
                           .arg(path)
                           .arg(MaxDataFileBytes >> 20),
                       UserInterface::Icon::Error);
        return nullptr;
    }
    DataFileText file;
    if (!QFileInfo(path).isFile() || !ReadDataFile(path, file)) {
        ui.ShowMessage(Texts::tr("Nie mogę odczytać pliku %1 !").arg(path), UserInterface::Icon::Error);
        return nullptr;
    }
    const int first = FirstNonEmptyLine(file.lines);
    if (first == int(file.lines.size())) {
        ui.ShowMessage(Texts::tr("Plik %1 nie zawiera danych !").arg(path), UserInterface::Icon::Error);
        return nullptr;
    }

    TTable* target = nullptr;
    if (IsEpwLocationLine(file.lines[std::size_t(first)])) {
        QString error;
        const QString text = DecodeUtf8(file.text);
        const std::optional<EpwText> epw = ReadEpwFile(path, SplitLines(text, file.lines.size()), kinds, error);
        if (!epw) {
            ui.ShowMessage(error, UserInterface::Icon::Error);
            return nullptr;
        }
        target = OpenEpw(path, *epw, tables, current, kinds, ui);
    } else {
        target = OpenText(path, file, first, tables, current, kinds, ui);
    }
    recent.AddRecentFile(path);
    return target;
}
