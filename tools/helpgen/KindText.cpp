#include "KindText.h"

#include "core/base/Catalogue.h"
#include "core/data/DataManager.h"

#include <QRegularExpression>

#include <optional>

// The fixed words of the kind pages in one language.
struct KindText::Words
{
    const char* facts;
    const char* columnName;
    const char* shortName;
    const char* unit;
    const char* role;
    const char* input;
    const char* computed;
    const char* shown;
    const char* integer;
    const char* decimals;
    const char* textual;
    const char* withClass;
    const char* range;
    const char* unbounded;
    const char* from;
    const char* upTo;
    const char* defaultValue;
    const char* typicalValue;
    const char* none;
    const char* dual;
    const char* dualOption[4];
    const char* configured;
    const char* classes;
    const char* className;
    const char* classFrom;
    const char* classBelow;
    const char* inputs;
    const char* noInputs;
    const char* usedBy;
    const char* contents;
    const char* allKinds;
};

namespace {

const KindText::Words Polish = {
    "Dane",
    "Nazwa kolumny",
    "Symbol",
    "Jednostka",
    "Rodzaj",
    "dana wejściowa (pomiar lub parametr człowieka)",
    "wskaźnik obliczany przez program (może też pochodzić z tabeli)",
    "Wyświetlanie",
    "liczba całkowita",
    "liczba z dwoma miejscami po przecinku",
    "tekst (kod)",
    "nazwa klasy i liczba",
    "Zakres dopuszczalny",
    "nieograniczony",
    "od",
    "do",
    "Wartość domyślna",
    "Wartość typowa",
    "brak",
    "Wartość z tabeli a wzór",
    {"zawsze wzór; wartość z tabeli jest zastępowana", "wzór; wartość z tabeli tam, gdzie wzór nie daje wyniku",
     "wartość z tabeli; wzór wypełnia puste komórki", "tylko wartość z tabeli"},
    "Powyższe wartości pochodzą z dostarczonego z programem pliku SALVENTO.INI; nazwę, opis, wartość domyślną, "
    "zakres i sposób łączenia wartości z tabeli ze wzorem można zmienić w oknie <a href=\"304.html\">Opcje "
    "danych</a>.",
    "Klasy",
    "Klasa",
    "od",
    "poniżej",
    "Dane wejściowe wzoru",
    "Wielkość wprowadzana do tabeli; program jej nie oblicza.",
    "Wykorzystywana przez",
    "Spis treści",
    "Wszystkie wielkości i wskaźniki",
};

const KindText::Words English = {
    "Facts",
    "Column name",
    "Symbol",
    "Unit",
    "Role",
    "input (a measurement or a parameter of the person)",
    "index computed by the program (may also come from a table)",
    "Shown as",
    "a whole number",
    "a number with two decimals",
    "text (a code)",
    "class name and number",
    "Admissible range",
    "not bounded",
    "from",
    "up to",
    "Default value",
    "Typical value",
    "none",
    "Value from a table and the formula",
    {"always the formula; a value from a table is replaced",
     "the formula; the table's value where the formula gives none",
     "the table's value; the formula fills the empty cells", "the table's value only"},
    "The values above are those of the SALVENTO.INI delivered with the program; the name, description, default "
    "value, range and the way a table's value and the formula are combined can be changed in the <a "
    "href=\"304.html\">Data options</a> window.",
    "Classes",
    "Class",
    "from",
    "below",
    "Inputs of the formula",
    "A quantity entered in the table; the program does not compute it.",
    "Used by",
    "Contents",
    "All quantities and indices",
};

QString Html(const char* text)
{
    return QString::fromUtf8(text);
}

// The last part of the description after ", ", when it can be a unit: short and without digits
// (a unit is not "0–8 (9: sky obscured)" nor "1 = woman").
qsizetype UnitStart(const TAbstractData& data)
{
    if (data.IsTextual)
        return -1;
    const qsizetype comma = data.Description.lastIndexOf(QStringLiteral(", "));
    if (comma < 0)
        return -1;
    const QString unit = data.Description.mid(comma + 2);
    if (unit.size() > 20 || unit.contains(QRegularExpression(QStringLiteral("[0-9]"))))
        return -1;
    return comma;
}

}   // namespace

KindText::KindText(const DataManager& kinds, const QString& language, std::map<QString, QString> internalLabels,
                   const std::vector<std::vector<int>>& reads)
    : m_kinds(kinds), m_words(language == QLatin1String("pl") ? Polish : English),
      m_locale(language == QLatin1String("pl") ? QLocale::Polish : QLocale::English),
      m_internalLabels(std::move(internalLabels)), m_reads(reads)
{
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
}

QString KindText::FileName(const TAbstractData& data)
{
    return QStringLiteral("kind-%1.html").arg(data.ShortName);
}

QString KindText::Subject(const TAbstractData& data)
{
    const qsizetype unit = UnitStart(data);
    return unit < 0 ? data.Description : data.Description.left(unit);
}

QString KindText::Unit(const TAbstractData& data)
{
    const qsizetype unit = UnitStart(data);
    return unit < 0 ? QString() : data.Description.mid(unit + 2);
}

QString KindText::Number(float value) const
{
    return m_locale.toString(double(value), 'g', 7);
}

QString KindText::Link(int id) const
{
    const TAbstractData& data = *m_kinds.GetById(id);
    if (id >= kind::ListedCount) {
        const auto label = m_internalLabels.find(data.ShortName);
        return QStringLiteral("<a href=\"heat-balance.html#%1\">%1</a> – %2")
            .arg(data.ShortName, label == m_internalLabels.end() ? QString() : label->second);
    }
    return QStringLiteral("<a href=\"%1\">%2</a> – %3")
        .arg(FileName(data), data.Name.toHtmlEscaped(), data.Description.toHtmlEscaped());
}

QString KindText::KindList(int from, int to) const
{
    QString list = QStringLiteral("<ul>\n");
    for (int id = from; id < to; ++id)
        list += QStringLiteral("<li>") + Link(id) + QStringLiteral("</li>\n");
    return list + QStringLiteral("</ul>\n");
}

QString KindText::Facts(const TAbstractData& data) const
{
    const auto row = [](const char* label, const QString& value) {
        return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>\n").arg(Html(label), value);
    };
    const QString none = Html(m_words.none);
    const auto number = [&](float value) { return value == NoValue ? none : Number(value); };
    QString range;
    if (data.Minimum == NoValue && data.Maximum == NoValue)
        range = Html(m_words.unbounded);
    else if (data.Maximum == NoValue)
        range = Html(m_words.from) + QLatin1Char(' ') + Number(data.Minimum);
    else if (data.Minimum == NoValue)
        range = Html(m_words.upTo) + QLatin1Char(' ') + Number(data.Maximum);
    else
        range = Number(data.Minimum) + QStringLiteral(" … ") + Number(data.Maximum);
    const bool computed = data.Id >= kind::FirstComputed;
    const char* shown = data.IsTextual ? m_words.textual
        : data.ShowClasses             ? m_words.withClass
        : data.IsInteger               ? m_words.integer
                                       : m_words.decimals;
    const QString unit = Unit(data);
    QString facts = QStringLiteral("<h2>%1</h2>\n<table class=\"facts\">\n").arg(Html(m_words.facts));
    facts += row(m_words.columnName, QStringLiteral("<code>%1</code>").arg(data.Name.toHtmlEscaped()));
    facts += row(m_words.shortName, QStringLiteral("<code>%1</code>").arg(data.ShortName));
    facts += row(m_words.unit, unit.isEmpty() ? QStringLiteral("–") : unit.toHtmlEscaped());
    facts += row(m_words.role, Html(computed ? m_words.computed : m_words.input));
    facts += row(m_words.shown, Html(shown));
    if (!data.IsTextual)
        facts += row(m_words.range, range);
    facts += row(m_words.defaultValue, number(data.DefaultValue));
    facts += row(m_words.typicalValue, number(data.TypicalValue));
    if (computed) {
        // A configured number outside 1…4 acts like "the table's value only".
        const int option = int(data.DualOption) >= 1 && int(data.DualOption) <= 4 ? int(data.DualOption) : 4;
        facts += row(m_words.dual, Html(m_words.dualOption[option - 1]));
    }
    return facts + QStringLiteral("</table>\n<p class=\"note\">%1</p>\n").arg(Html(m_words.configured));
}

QString KindText::Classes(const TAbstractData& data) const
{
    if (data.Thresholds.empty())
        return QString();
    QString table
        = QStringLiteral("<h2>%1</h2>\n<table class=\"classes\">\n<tr><th>%2</th><th>%3</th><th>%4</th></tr>\n")
              .arg(Html(m_words.classes), Html(m_words.className), Html(m_words.classFrom), Html(m_words.classBelow));
    std::optional<float> lower;
    for (const TClassEntry& entry : data.Thresholds) {
        table += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                     .arg(entry.Name.toHtmlEscaped(), lower ? Number(*lower) : QString(),
                          entry.Threshold ? Number(*entry.Threshold) : QString());
        lower = entry.Threshold;
    }
    return table + QStringLiteral("</table>\n");
}

QString KindText::Inputs(int id) const
{
    QString inputs = QStringLiteral("<h2>%1</h2>\n").arg(Html(m_words.inputs));
    if (id < kind::FirstComputed)
        return inputs + QStringLiteral("<p>%1</p>\n").arg(Html(m_words.noInputs));
    inputs += QStringLiteral("<ul>\n");
    for (const int read : m_reads[std::size_t(id)])
        inputs += QStringLiteral("<li>") + Link(read) + QStringLiteral("</li>\n");
    return inputs + QStringLiteral("</ul>\n");
}

// The kinds 0…94 whose formula reads this kind, directly or through internal kinds.
QString KindText::UsedBy(int id) const
{
    std::vector<bool> reads(kind::Count, false);
    reads[std::size_t(id)] = true;
    for (bool grew = true; grew;) {   // internal kinds that read it, and those that read them …
        grew = false;
        for (int other = kind::ListedCount; other < kind::Count; ++other)
            for (const int read : m_reads[std::size_t(other)])
                if (reads[std::size_t(read)] && !reads[std::size_t(other)])
                    grew = reads[std::size_t(other)] = true;
    }
    QStringList users;
    for (int other = kind::FirstComputed; other < kind::ListedCount; ++other)
        for (const int read : m_reads[std::size_t(other)])
            if (other != id && reads[std::size_t(read)]) {
                const TAbstractData& data = *m_kinds.GetById(other);
                users += QStringLiteral("<a href=\"%1\">%2</a>").arg(FileName(data), data.Name.toHtmlEscaped());
                break;
            }
    if (users.isEmpty())
        return QString();
    return QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n").arg(Html(m_words.usedBy), users.join(QStringLiteral(", ")));
}

QString KindText::KindBody(int id, const QString& prose) const
{
    const TAbstractData& data = *m_kinds.GetById(id);
    QString body = QStringLiteral("<h1>%1 – %2</h1>\n<p><i>%3</i></p>\n")
                       .arg(data.Name.toHtmlEscaped(), Subject(data).toHtmlEscaped(), data.Description.toHtmlEscaped());
    body += prose;
    body += Facts(data) + Classes(data) + Inputs(id) + UsedBy(id);
    body += QStringLiteral("<hr>\n<p><a href=\"index.html\">%1</a> · <a href=\"kinds.html\">%2</a></p>\n")
                .arg(Html(m_words.contents), Html(m_words.allKinds));
    return body;
}
