#include "data/KindFactory.h"

#include "data/AbstractData.h"
#include "data/Catalogue.h"

std::unique_ptr<TAbstractData> CreateKind(DataManager& owner, int id)
{
    const TKindEntry& entry = KindCatalogue[std::size_t(id)];
    return std::make_unique<TAbstractData>(owner, QString::fromLatin1(entry.ShortName), id, entry.IsInteger);
}
