#pragma once

#include "table/LoadOptions.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;

// How a data file is loaded: into a new table, replacing the current one, or appended to it as new
// columns or new rows, with the file's data and decimal separators ('t' for tab).
class TLoadOptionsForm : public QDialog
{
    Q_OBJECT

public:
    TLoadOptionsForm(const LoadOptionsRequest& request, QWidget* parent = nullptr);

    LoadOptions Options() const;

    // Asks for the load options of a file; nothing when the user cancels.
    static std::optional<LoadOptions> Choose(const LoadOptionsRequest& request, QWidget* parent);

    void accept() override;

private:
    void ViewFile();

    QString m_path;
    QButtonGroup* m_rgOption;
    QLineEdit* m_edDataSep;
    QLineEdit* m_edDecSep;
};
