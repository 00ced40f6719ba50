#pragma once

#include <QString>

class DataManager;
class TAbstractData;

// What the data options dialog shows of one kind and the user edits: the texts of its fields and
// the checked dual option (0: none).
struct TKindEdit
{
    QString Name;
    QString Description;
    QString Default;   // the number with 2 decimals and the program's separator
    QString Minimum;
    QString Maximum;
    int DualOption = 0;
};

// Whether the kind has values to edit: a textual kind without a range has none.
bool HasEditableValues(const TAbstractData& kind);
// Whether the kind has a dual option: only computed kinds (indices) have one.
bool HasDualOption(const TAbstractData& kind);

// The fields for a kind as it is (the value fields empty when it has no values to edit; no dual
// option checked for an input).
TKindEdit ShownKindEdit(const TAbstractData& kind);

// Applies to `kind` every field of `edited` that, without leading and trailing control characters
// and spaces, differs from what `shown` holds, and makes `shown` hold what was applied. Square
// brackets in a name or description are stored as curly ones. A new name that any kind already
// bears (this one included, letter case ignored) is refused and the name kept; the other fields
// are applied all the same. A renamed kind or one with a new range is Marked, so that the open
// tables can follow it. The dual option of a computed kind is set whenever one is checked.
// Returns the refusal message, or an empty text when every field was accepted.
QString ApplyKindEdit(const DataManager& kinds, TAbstractData& kind, TKindEdit& shown, const TKindEdit& edited);
