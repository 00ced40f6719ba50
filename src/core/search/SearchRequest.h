#pragma once

#include "core/search/SearchState.h"

#include <QString>
#include <QStringList>

#include <vector>

class TAbstractData;

// The pages of the search dialog.
enum class SearchPage
{
    Text,
    Number,
    Special,
    UserIntervals,
    StdIntervals
};

// What the search dialog shows and the user edits: the page chosen and the fields of every page.
// The dialog fills it from the search state (LoadSearchRequest) and stores it back (StoreSearchRequest).
struct TSearchRequest
{
    SearchPage Page = SearchPage::Text;
    QString Text;
    bool CaseSensitive = true;
    bool SearchTextCells = true;
    bool SearchNumCells = true;
    QString Number;        // a number with the program's decimal separator
    QString Precision;     // the same; a text that is no number keeps the last precision
    bool NoData = false;   // the two special searches exclude each other; NoData wins
    bool BadData = false;
    QString Intervals;               // "INF_a;b_c;…"
    bool StdPageShown = true;        // the current column's kind can be searched by classes
    QStringList StdClassNames;       // the classes of the current column's kind, when it has thresholds
    std::vector<bool> StdSelected;   // by class index
    bool WholeTable = false;
    bool Upward = false;
};

// The dialog's fields for the current column (whose kind is `currentKind`, or none) from the state
// of the last search. A column without a kind, or whose kind shows words and has no thresholds,
// hides the classes page; the page of a class search in a column of another kind is not reopened.
TSearchRequest LoadSearchRequest(const TSearchState& state, const TAbstractData* currentKind);

// Stores the conditions of the chosen page into the state. Returns the message the dialog shows
// when they are invalid (the state is then unchanged): a number or interval search in a count-only
// current column, a number that is no number, no special search ticked, a malformed intervals text,
// no class chosen. An empty text on success.
QString StoreSearchRequest(const TSearchRequest& request, const TAbstractData* currentKind, TSearchState& state);
