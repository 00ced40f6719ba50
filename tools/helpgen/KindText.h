#pragma once

#include <QLocale>
#include <QString>

#include <map>
#include <vector>

class DataManager;
class TAbstractData;

// The generated parts of the help on the data kinds, in one language: the page of each kind (its
// facts from the configuration, its classes, its inputs and the kinds that read it) and the lists
// of kinds on the contents page.
class KindText
{
public:
    // `language`: "pl" or "en"; `internalLabels`: the label of every internal kind by short name;
    // `reads`: what the formula of each kind reads, by identifier.
    KindText(const DataManager& kinds, const QString& language, std::map<QString, QString> internalLabels,
             const std::vector<std::vector<int>>& reads);

    static QString FileName(const TAbstractData& data);
    // The description without its unit: "Air temperature" of "Air temperature, °C".
    static QString Subject(const TAbstractData& data);
    // The unit that ends the description after a comma; empty when it ends otherwise.
    static QString Unit(const TAbstractData& data);

    // A list of links to the pages of kinds from…to−1.
    QString KindList(int from, int to) const;
    // The body of the page of kind `id`, with the hand-written `prose` (may be empty) in it.
    QString KindBody(int id, const QString& prose) const;

    // The fixed words of the pages in one language.
    struct Words;

private:
    QString Number(float value) const;
    QString Link(int id) const;
    QString Facts(const TAbstractData& data) const;
    QString Classes(const TAbstractData& data) const;
    QString Inputs(int id) const;
    QString UsedBy(int id) const;

    const DataManager& m_kinds;
    const Words& m_words;
    QLocale m_locale;
    std::map<QString, QString> m_internalLabels;
    const std::vector<std::vector<int>>& m_reads;
};
