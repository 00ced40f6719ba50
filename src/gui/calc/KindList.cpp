#include "gui/calc/KindList.h"

#include "core/data/DataManager.h"

#include <QComboBox>
#include <QListWidget>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>

#include <algorithm>

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

void ShowKindDescriptions(QComboBox* box, const DataManager& kinds)
{
    auto* model = qobject_cast<QStandardItemModel*>(box->model());
    if (!model)
        return;
    model->setColumnCount(2);
    for (int row = 0; row < model->rowCount(); ++row) {
        const TAbstractData* kind = kinds.FindByName(model->item(row, 0)->text());
        auto* description = new QStandardItem(kind ? kind->Description : QString());
        description->setFlags(model->item(row, 0)->flags());
        model->setItem(row, 1, description);
    }
    auto* view = new QTreeView(box);
    view->setHeaderHidden(true);
    view->setRootIsDecorated(false);
    view->setAllColumnsShowFocus(true);
    view->setUniformRowHeights(true);
    box->setView(view);
    box->setModelColumn(0);
    view->resizeColumnToContents(0);
    view->resizeColumnToContents(1);
    const int width = view->columnWidth(0) + view->columnWidth(1) + view->verticalScrollBar()->sizeHint().width() + 8;
    view->setMinimumWidth(std::min(width, 720));
}
