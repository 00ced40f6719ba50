#include "core/table/OpenDataFile.h"

#include "core/base/UserInterface.h"
#include "core/table/DataFile.h"
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

    const QChar dataSeparator = DetectDataSeparator(file.lines[std::size_t(first)]);
    const LoadOptionsRequest request{path, dataSeparator, current != nullptr,
                                     DetectDecimalSeparator(file.lines, first, dataSeparator)};
    const std::optional<LoadOptions> options = ui.ChooseLoadOptions(request);
    TTable* target = nullptr;
    if (options) {
        const LoadMode mode = current ? options->mode : LoadMode::NewTable;
        const QChar dataSeparator = options->DataSeparatorChar(request.detectedSeparator);
        // A new table is made only for a file that fits in one.
        if (mode != LoadMode::NewTable
            || LoadFits(nullptr, file.lines, first, mode, dataSeparator, options->DecimalSeparatorChar(), ui)) {
            target = mode == LoadMode::NewTable ? tables.NewTable() : current;
            if (!LoadIntoTable(*target, path, file.lines, first, mode, dataSeparator, options->DecimalSeparatorChar(),
                               kinds, ui))
                target = nullptr;
        }
    }
    recent.AddRecentFile(path);
    return target;
}
