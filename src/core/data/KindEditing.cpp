#include "core/data/KindEditing.h"

#include "core/base/Catalogue.h"
#include "core/base/NumberText.h"
#include "core/data/AbstractData.h"
#include "core/data/DataManager.h"

#include <QCoreApplication>

#include <optional>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(KindEditing)
};

QString Trimmed(const QString& text)
{
    return TrimControl(text).toString();
}

// Square brackets cannot be part of names and descriptions; they are stored as curly ones.
QString WithoutBrackets(QString text)
{
    return text.replace(QLatin1Char('['), QLatin1Char('{')).replace(QLatin1Char(']'), QLatin1Char('}'));
}

// The edited text when, trimmed and without brackets, it differs from the one shown.
std::optional<QString> NewText(const QString& edited, const QString& shown)
{
    const QString text = Trimmed(edited);
    if (text == shown)
        return std::nullopt;
    const QString stored = WithoutBrackets(text);
    if (stored == shown)
        return std::nullopt;
    return stored;
}

}   // namespace

bool HasEditableValues(const TAbstractData& kind)
{
    return !(kind.IsTextual && kind.Minimum == NoValue && kind.Maximum == NoValue);
}

bool HasDualOption(const TAbstractData& kind)
{
    return kind.Id >= kind::FirstComputed;
}

TKindEdit ShownKindEdit(const TAbstractData& kind)
{
    TKindEdit shown;
    shown.Name = kind.Name;
    shown.Description = kind.Description;
    if (HasEditableValues(kind)) {
        shown.Default = FormatNumber(kind.DefaultValue, 2);
        shown.Minimum = FormatNumber(kind.Minimum, 2);
        shown.Maximum = FormatNumber(kind.Maximum, 2);
    }
    shown.DualOption = HasDualOption(kind) ? int(kind.DualOption) : 0;
    return shown;
}

QString ApplyKindEdit(const DataManager& kinds, TAbstractData& kind, TKindEdit& shown, const TKindEdit& edited)
{
    QString refusal;
    if (const std::optional<QString> name = NewText(edited.Name, shown.Name)) {
        if (kinds.FindByName(*name)) {
            refusal = Texts::tr("Dana o podanej nazwie już istnieje !\nZmiana nazwy nie została zapisana !");
        } else {
            kind.SetName(*name);
            kind.Marked = true;
            shown.Name = *name;
        }
    }
    if (const std::optional<QString> description = NewText(edited.Description, shown.Description)) {
        kind.SetDescription(*description);
        shown.Description = *description;
    }

    // Value texts are compared trimmed only: a text that is no number clears the value.
    if (const QString text = Trimmed(edited.Default); text != shown.Default) {
        kind.SetDefaultFromText(text);
        shown.Default = text;
    }
    if (const QString text = Trimmed(edited.Minimum); text != shown.Minimum) {
        kind.SetMinimumFromText(text);
        kind.Marked = true;
        shown.Minimum = text;
    }
    if (const QString text = Trimmed(edited.Maximum); text != shown.Maximum) {
        kind.SetMaximumFromText(text);
        kind.Marked = true;
        shown.Maximum = text;
    }

    if (HasDualOption(kind) && edited.DualOption > 0) {
        kind.SetDualOption(SourceOrFormula(edited.DualOption));
        shown.DualOption = edited.DualOption;
    }
    return refusal;
}
