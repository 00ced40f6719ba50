#include "support/TestSupport.h"

#include "core/data/DataManager.h"
#include "core/data/KindEditing.h"
#include "core/indices/KindFactory.h"

#include <gtest/gtest.h>

namespace {

// A refused name leaves the kind's name as it was and unmarked; the other fields apply anyway.
TEST(KindEditing, ANameAnyKindBearsIsRefused)
{
    const QString taken = QStringLiteral("Dana o podanej nazwie już istnieje !\nZmiana nazwy nie została zapisana !");
    struct Case
    {
        const char* what;
        int id;
        QString typed;
        QString refusal;
        QString name;
        bool marked;
    };
    const Case cases[] = {
        {"another kind's name, other letter case", kind::v, QStringLiteral("wci"), taken, QStringLiteral("v"), false},
        {"its own name in capitals", kind::t, QStringLiteral("T"), taken, QStringLiteral("t"), false},
        {"its own name, padded", kind::t, QStringLiteral(" t "), QString(), QStringLiteral("t"), false},
        {"a new name with brackets", kind::t, QStringLiteral(" t[1] "), QString(), QStringLiteral("t{1}"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempHome home;
        DataManager kinds(CreateKind, home.IniPath(), QStringLiteral("PL"));
        TAbstractData& kind = *kinds.GetById(c.id);
        TKindEdit shown = ShownKindEdit(kind);
        TKindEdit edited = shown;
        edited.Name = c.typed;
        edited.Description = QStringLiteral(" opis [°C] ");
        EXPECT_EQ(ApplyKindEdit(kinds, kind, shown, edited), c.refusal);
        EXPECT_EQ(kind.Name, c.name);
        EXPECT_EQ(shown.Name, c.name);
        EXPECT_EQ(kind.Marked, c.marked);
        EXPECT_EQ(kind.Description, QStringLiteral("opis {°C}"));
        EXPECT_EQ(shown.Description, kind.Description);
    }
}

}   // namespace
