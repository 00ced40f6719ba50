#include "cli/Completion.h"

namespace {

const QStringList KindLists{QStringLiteral("indices"), QStringLiteral("have"), QStringLiteral("columns"),
                            QStringLiteral("column")};
const QStringList Directories{QStringLiteral("home"), QStringLiteral("out-dir")};

const QCommandLineOption* Find(const QList<QCommandLineOption>& options, const QString& name)
{
    for (const QCommandLineOption& option : options)
        if (option.names().contains(name))
            return &option;
    return nullptr;
}

// Every spelling of the options: --long and -s.
QStringList Spellings(const QList<QCommandLineOption>& options, const QStringList& names)
{
    QStringList spellings;
    for (const QString& name : names)
        if (const QCommandLineOption* option = Find(options, name))
            for (const QString& spelling : option->names())
                spellings << (spelling.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + spelling;
    return spellings;
}

QStringList ValueOptions(const QList<QCommandLineOption>& options)
{
    QStringList names;
    for (const QCommandLineOption& option : options)
        if (!option.valueName().isEmpty())
            names << option.names().last();
    return Spellings(options, names);
}

QString BashScript(const std::vector<CommandOptions>& commands, const QList<QCommandLineOption>& options,
                   const QStringList& global)
{
    const QStringList globalWords = Spellings(options, global)
        + QStringList{QStringLiteral("--help"), QStringLiteral("--version")};
    QStringList commandNames;
    QString perCommand;
    for (const auto& [name, own] : commands) {
        commandNames << name;
        perCommand += QStringLiteral("    %1) words=\"%2\" ;;\n")
                          .arg(name, (Spellings(options, own) + globalWords).join(u' '));
    }
    const QString script = QStringLiteral(R"sh(# bash completion for salvento-cli (made by salvento-cli completion bash)
_salvento_cli()
{
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} command="" words i
  for ((i = 1; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
    -*) ;;
    *)
      case ${COMP_WORDS[i-1]} in
      %1) ;;
      *) command=${COMP_WORDS[i]}; break ;;
      esac
      ;;
    esac
  done
  case $prev in
  %2)
    local prefix=""
    [[ $cur == *,* ]] && prefix=${cur%,*},
    COMPREPLY=($(compgen -P "$prefix" -W "$("${COMP_WORDS[0]}" kinds 2>/dev/null | cut -f3)" -- "${cur##*,}"))
    compopt -o nospace
    return
    ;;
  %3) COMPREPLY=($(compgen -d -- "$cur")); return ;;
  -o|--output) COMPREPLY=($(compgen -f -- "$cur")); return ;;
  --freq) COMPREPLY=($(compgen -W "none standard user: width: count:" -- "$cur")); return ;;
  --type) COMPREPLY=($(compgen -W "series histogram calendar" -- "$cur")); return ;;
  %1) return ;;
  esac
  if [[ -z $command ]]; then
    COMPREPLY=($(compgen -W "%4 %5" -- "$cur"))
    return
  fi
  if [[ $cur == -* ]]; then
    case $command in
%6    *) words="%5" ;;
    esac
    COMPREPLY=($(compgen -W "$words" -- "$cur"))
    return
  fi
  case $command in
  completion) COMPREPLY=($(compgen -W "bash zsh" -- "$cur")) ;;
  kinds) ;;
  *) COMPREPLY=($(compgen -f -- "$cur")) ;;
  esac
}
complete -o filenames -F _salvento_cli salvento-cli
)sh");
    return script.arg(ValueOptions(options).join(u'|'), Spellings(options, KindLists).join(u'|'),
                      Spellings(options, Directories).join(u'|'), commandNames.join(u' '), globalWords.join(u' '),
                      perCommand);
}

// An option as zsh's _arguments specifies it: its spellings, description and value.
QString ZshSpec(const QCommandLineOption& option)
{
    // Within single quotes; a bracket would end the description, a colon the value's name.
    const auto quoted = [](QString text) {
        return text.replace(QLatin1Char('\''), QStringLiteral("'\\''"))
            .replace(QLatin1Char('['), QStringLiteral("\\["))
            .replace(QLatin1Char(']'), QStringLiteral("\\]"));
    };
    const QString description = quoted(option.description());
    QString value;
    if (!option.valueName().isEmpty()) {
        const QString name = option.names().last();
        const QString action = KindLists.contains(name) ? QStringLiteral("_salvento_cli_kinds")
            : Directories.contains(name)                ? QStringLiteral("_files -/")
            : name == QStringLiteral("output")          ? QStringLiteral("_files")
            : name == QStringLiteral("freq")            ? QStringLiteral("(none standard user\\: width\\: count\\:)")
            : name == QStringLiteral("type")            ? QStringLiteral("(series histogram calendar)")
                                                        : QString();
        value = QStringLiteral(":%1:%2").arg(
            quoted(option.valueName()).replace(QLatin1Char(':'), QStringLiteral("\\:")), action);
    }
    QStringList specs;
    for (const QString& spelling : option.names())
        specs << QStringLiteral("'%1%2[%3]%4'")
                     .arg(spelling.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), spelling, description,
                          value);
    return specs.join(u' ');
}

QString ZshScript(const std::vector<CommandOptions>& commands, const QList<QCommandLineOption>& options,
                  const QStringList& global)
{
    QStringList globalSpecs;
    for (const QString& name : global)
        if (const QCommandLineOption* option = Find(options, name))
            globalSpecs << ZshSpec(*option);
    QStringList commandNames;
    QString perCommand;
    for (const auto& [name, own] : commands) {
        commandNames << name;
        QStringList specs;
        for (const QString& optionName : own)
            if (const QCommandLineOption* option = Find(options, optionName))
                specs << ZshSpec(*option);
        const QString arguments = name == QStringLiteral("completion") ? QStringLiteral("'1:shell:(bash zsh)'")
            : name == QStringLiteral("kinds")                          ? QString()
                                                                       : QStringLiteral("'*:file:_files'");
        perCommand += QStringLiteral("      %1) _arguments %2 %3 ;;\n").arg(name, specs.join(u' '), arguments);
    }
    const QString script = QStringLiteral(R"sh(#compdef salvento-cli
# zsh completion for salvento-cli (made by salvento-cli completion zsh)
_salvento_cli_kinds()
{
  local -a names
  names=(${(f)"$(salvento-cli kinds 2>/dev/null | cut -f3)"})
  _values -s , 'data kind' $names
}

_salvento_cli()
{
  local curcontext=$curcontext state line
  _arguments -C %1 '(- *)--help[Displays help.]' '(- *)--version[Displays version information.]' \
    '1:command:(%2)' '*::argument:->argument'
  if [[ $state == argument ]]; then
    case $words[1] in
%3    esac
  fi
}

_salvento_cli "$@"
)sh");
    return script.arg(globalSpecs.join(u' '), commandNames.join(u' '), perCommand);
}

}   // namespace

QString CompletionScript(const QString& shell, const std::vector<CommandOptions>& commands,
                         const QList<QCommandLineOption>& options, const QStringList& global)
{
    if (shell == QStringLiteral("bash"))
        return BashScript(commands, options, global);
    if (shell == QStringLiteral("zsh"))
        return ZshScript(commands, options, global);
    return QString();
}
