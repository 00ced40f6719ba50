#pragma once

#include "core/settings/Options.h"
#include "core/table/LoadOptions.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;

// How a data file is loaded: into a new table, replacing the current one, or appended to it as new
// columns or new rows, with the file's data and decimal separators ('t' for tab). A file of a fixed
// format asks for the mode alone.
class TLoadOptionsForm : public QDialog
{
    Q_OBJECT

public:
    // `programOptions`: the copy of the program's read/write options made when the file was opened,
    // edited by the "&Opcje ..." button and not used by the load.
    TLoadOptionsForm(const LoadOptionsRequest& request, QWidget* parent = nullptr,
                     const TOptionsRecord& programOptions = TOptionsRecord());

    LoadOptions Options() const;

    // Asks for the load options of a file; nothing when the user cancels.
    static std::optional<LoadOptions> Choose(const LoadOptionsRequest& request, QWidget* parent,
                                             const TOptionsRecord& programOptions = TOptionsRecord());

    void accept() override;

private:
    void ViewFile();

    QString m_path;
    TOptionsRecord m_fileOptions;
    QButtonGroup* m_rgOption;
    QLineEdit* m_edDataSep;
    QLineEdit* m_edDecSep;
};
