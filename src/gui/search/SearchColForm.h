#pragma once

#include <QDialog>

#include <optional>

class DataManager;
class QComboBox;
class QLabel;

// "Szukaj kolumny": the name of the column to find in the open tables. Offers the names of all data
// kinds but takes any text, and describes the kind the text names.
class TSearchColForm : public QDialog
{
    Q_OBJECT

public:
    // `name`: the name sought last; shown when not empty.
    TSearchColForm(const DataManager& kinds, const QString& name, QWidget* parent = nullptr);

    // The name as typed, neither trimmed nor checked.
    QString ColumnName() const;

    // Asks for the name of a column; nothing when the user cancels.
    static std::optional<QString> Ask(const DataManager& kinds, const QString& name, QWidget* parent);

private:
    void ShowDescription(const QString& text);

    const DataManager& m_kinds;
    QComboBox* m_cmbData;
    QLabel* m_lbDescr;
};
