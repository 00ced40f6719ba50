#pragma once

#include "core/search/SearchRequest.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QTabWidget;
class TAbstractData;

// "Wyszukiwanie danych": the condition of a data search (a text, a number, missing or invalid data,
// the user's intervals or classes of the current column's kind), where to search and in which
// direction. Opens on the last search; OK stores the conditions of the page shown into the search
// state, or shows why they are invalid and stays open.
class TSearchDataForm : public QDialog
{
    Q_OBJECT

public:
    // `state`: the last search, changed only by OK (not owned); `currentKind`: the kind of the
    // column the cursor is in, or none.
    TSearchDataForm(TSearchState& state, const TAbstractData* currentKind, QWidget* parent = nullptr);

    // Lets the user set the search; true when it was set and is to be run.
    static bool Edit(TSearchState& state, const TAbstractData* currentKind, QWidget* parent);

    void accept() override;

private:
    TSearchRequest Request() const;
    // The classes page searches the current column only; every page starts in its first field.
    void PageChanged(int page);

    TSearchState& m_state;
    const TAbstractData* m_kind;
    TSearchRequest m_loaded;
    QTabWidget* m_pcOption;
    QLineEdit* m_edText;
    QCheckBox* m_cbCaseSensitive;
    QCheckBox* m_cbSearchTextCells;
    QCheckBox* m_cbSearchNumCells;
    QLineEdit* m_edNumber;
    QLineEdit* m_edPrecision;
    QCheckBox* m_cbNoData;
    QCheckBox* m_cbBadData;
    QLineEdit* m_edUserFreqs;
    QListWidget* m_lbStdFreqs;
    QGroupBox* m_rgWhere;
    QButtonGroup* m_where;
    QButtonGroup* m_direction;
};
