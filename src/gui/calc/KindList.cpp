#include "gui/calc/KindList.h"

#include "core/data/DataManager.h"

#include <QListWidget>

bool SortedListItem::operator<(const QListWidgetItem& other) const
{
    return text().compare(other.text(), Qt::CaseInsensitive) < 0;
}

void AddSorted(QListWidget* list, const QStringList& texts)
{
    list->setSortingEnabled(true);
    for (const QString& text : texts)
        list->addItem(new SortedListItem(text));
}

QStringList ListTexts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QString DescriptionOf(const QListWidgetItem* entry, const DataManager& kinds)
{
    const TAbstractData* data = entry ? kinds.FindByName(entry->text()) : nullptr;
    return data ? data->Description : QString();
}
