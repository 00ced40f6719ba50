#pragma once

#include "core/data/KindEditing.h"

#include <QDialog>

class DataManager;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class TAbstractData;
class TableSet;
class UserInterface;

// "Opcje danych": the name, description, default, range and dual option of each data kind. The
// "Z&atwierdź" button applies the edits of the kind shown to the kind at once (they reach the INI
// file when the program ends); choosing another kind discards unapplied edits.
class TDataOptionsForm : public QDialog
{
    Q_OBJECT

public:
    // Shows `current` (the kind of the column at hand), or without one the kind at the position of
    // the list the dialog was last left at in this run.
    explicit TDataOptionsForm(DataManager& kinds, QWidget* parent = nullptr, const TAbstractData* current = nullptr);

    // Whether an applied change renamed a kind or changed a range (those kinds are Marked).
    bool NamesChanged() const { return m_namesChanged; }
    bool RangesChanged() const { return m_rangesChanged; }
    // Shows the dialog on `current`, or where it was left within this run; on closing, the open
    // tables follow the changed names and ranges.
    static void Show(DataManager& kinds, TableSet& tables, UserInterface& ui, QWidget* parent,
                     const TAbstractData* current = nullptr);

private:
    void LoadKind();
    void Apply();
    TKindEdit Edited() const;
    void ShowThresholdsNotice();
    // Replaces the current entry of the list by `name`, kept in sorted order and current.
    void ReplaceEntry(const QString& name);

    DataManager& m_kinds;
    TAbstractData* m_kind = nullptr;
    TKindEdit m_shown;   // what the fields showed when the kind was chosen or last applied
    bool m_namesChanged = false;
    bool m_rangesChanged = false;

    QComboBox* m_cmbData;
    QLineEdit* m_edName;
    QLineEdit* m_edDescr;
    QLineEdit* m_edDefault;
    QLineEdit* m_edMin;
    QLineEdit* m_edMax;
    QGroupBox* m_rgDualOption;
    QButtonGroup* m_dualOptions;
};
