#pragma once

#include <QListWidgetItem>
#include <QString>
#include <QStringList>

class DataManager;
class QComboBox;
class QListWidget;

// An entry of a list that keeps its entries sorted as the program's lists do: by text, letter case
// ignored. Entries moved from one such list to another keep their place in the order.
class SortedListItem : public QListWidgetItem
{
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override;
};

// Makes `list` sorted and adds `texts` to it as sorted entries.
void AddSorted(QListWidget* list, const QStringList& texts);
// The texts of every entry of `list`, in list order.
QStringList ListTexts(const QListWidget* list);
// The Description of the kind an entry names; empty without an entry or when its text names no
// kind (the kind may have been renamed meanwhile).
QString DescriptionOf(const QListWidgetItem* entry, const DataManager& kinds);
// Shows the kinds a combo box lists, one entry per kind name, with their descriptions beside the
// names in its pop-up list; the box itself and its texts keep the bare names.
void ShowKindDescriptions(QComboBox* box, const DataManager& kinds);
