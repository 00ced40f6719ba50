#pragma once

#include "core/base/NumberText.h"
#include "core/base/UserInterface.h"
#include "core/calc/CalcChoices.h"
#include "core/table/LoadOptions.h"

#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <vector>

// A user who answers from a script and remembers what the program told them.
class ScriptedUi : public UserInterface
{
public:
    struct Message
    {
        QString text;
        Icon icon;
    };

    std::vector<Message> messages;
    std::vector<QString> questions;
    std::deque<bool> answers;                 // Yes/No answers in order; No when the script ran out
    std::optional<LoadOptions> loadOptions;   // nothing: the load dialog is cancelled
    std::vector<LoadOptionsRequest> requests;

    void ShowMessage(const QString& text, Icon icon) override { messages.push_back({text, icon}); }
    bool AskYesNo(const QString& text) override
    {
        questions.push_back(text);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<LoadOptions> ChooseLoadOptions(const LoadOptionsRequest& request) override
    {
        requests.push_back(request);
        return loadOptions;
    }

    std::optional<CalcChoices> calcChoices;   // nothing: the set-up is cancelled
    std::optional<KindFlags> indices;         // the indices chosen; nothing: every possible one
    bool cancelIndices = false;
    KindFlags offeredIndices{};
    KindFlags preselectedIndices{};

    std::optional<CalcChoices> ChooseCalculation(const CalcSettings&) override { return calcChoices; }
    std::optional<KindFlags> ChooseIndices(const KindFlags& possible, const KindFlags& preselected) override
    {
        offeredIndices = possible;
        preselectedIndices = preselected;
        if (cancelIndices)
            return std::nullopt;
        return indices ? *indices : possible;
    }
};

// Sets the program's decimal separator for the life of the object.
class SeparatorScope
{
public:
    explicit SeparatorScope(QChar separator) : m_saved(DecimalSeparator) { DecimalSeparator = separator; }
    ~SeparatorScope() { DecimalSeparator = m_saved; }

private:
    QChar m_saved;
};

// A scratch directory holding a SALVENTO.INI with the given content.
class TempHome
{
public:
    explicit TempHome(const QByteArray& ini = QByteArray());
    QString IniPath() const { return Path(QStringLiteral("SALVENTO.INI")); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QByteArray Read(const QString& name) const;
    void Write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};
