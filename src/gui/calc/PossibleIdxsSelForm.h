#pragma once

#include "core/base/Catalogue.h"

#include <QDialog>

#include <initializer_list>
#include <optional>
#include <vector>

class DataManager;
class QLabel;
class QLayout;
class QListWidget;

// The choice of the indices to calculate among those found computable: a list of their Names with
// counters and the description of the current one, buttons that select all, none or a preset group.
class TPossibleIdxsSelForm : public QDialog
{
    Q_OBJECT

public:
    // Lists the Names of the `possible` kinds; those also `preselected` start selected.
    TPossibleIdxsSelForm(const KindFlags& possible, const KindFlags& preselected, const DataManager& kinds,
                         QWidget* parent = nullptr);

    // The kinds whose entries are selected.
    KindFlags Selected() const;

    // Shows the choice; nothing when the user cancels.
    static std::optional<KindFlags> Choose(const KindFlags& possible, const KindFlags& preselected,
                                           const DataManager& kinds, QWidget* parent);

private:
    void AddGroupButton(QLayout* layout, const char* name, const QString& caption, const QString& hint,
                        std::initializer_list<int> group);
    // Selects, besides what is selected already, the entry of every kind of `group` that is listed.
    void SelectGroup(const std::vector<int>& group);
    void SelectAll(bool selected);
    void ShowSelectedCount();

    const DataManager& m_kinds;
    QListWidget* m_lbIndexes;
    QLabel* m_lbIndexDescr;
    QLabel* m_lbSelCount;
    QLabel* m_lbAllCount;
};
