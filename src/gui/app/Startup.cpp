#include "gui/app/Startup.h"

#include "core/settings/ConfigLocation.h"
#include "core/settings/IniFile.h"
#include "gui/app/Application.h"
#include "gui/app/LanguageForm.h"
#include "gui/app/MainForm.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The program's texts in the language, when a module for it lies in the data directory (beside the
// program in a build tree; Polish is built in), and the toolkit's own texts (standard buttons) in
// the same language.
void LoadLanguageModule(QApplication& app, int language, const QString& dataDirectory)
{
    const QString program = QDir(dataDirectory).filePath(QFileInfo(QApplication::applicationFilePath()).fileName());
    const QString module = FindLanguageModule(program, language);
    if (!module.isEmpty()) {
        auto* translator = new QTranslator(&app);
        if (translator->load(module))
            QApplication::installTranslator(translator);
    }
    // Dates and names in the toolkit's own dialogs (the file dialogs) follow the interface language.
    QLocale::setDefault(QLocale(language == 1045 ? QLocale::Polish : QLocale::English));
    auto* toolkit = new QTranslator(&app);
    if (toolkit->load(QLocale(language == 1045 ? QLocale::Polish : QLocale::English), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(toolkit);
}

}   // namespace

int InterfaceLanguage(IniFile& ini)
{
    const QString stored = ini.ReadString(u"Options", u"Language", QString(), 260);
    if (stored.compare(QStringLiteral("PL"), Qt::CaseInsensitive) == 0)
        return 1045;
    if (!stored.isEmpty())
        return 1033;
    switch (TLanguageForm::Ask(1033, nullptr)) {
    case 1045:
        ini.WriteString(u"Options", u"Language", QStringLiteral("PL"));
        return 1045;
    case 1033:
        ini.WriteString(u"Options", u"Language", QStringLiteral("EN"));
        return 1033;
    default:
        return 1033;
    }
}

int RunSalvento(int argc, char* argv[])
{
    TApplication app(argc, argv);
    const QString programDirectory = QApplication::applicationDirPath();
    const QString dataDirectory = DataDirectory(programDirectory);
    const QString iniPath = ConfigPath(programDirectory);
    IniFile ini(iniPath);
    const int language = InterfaceLanguage(ini);
    LoadLanguageModule(app, language, dataDirectory);

    TMainForm mainForm(iniPath, dataDirectory);
    mainForm.SetLanguage(language);
    mainForm.SetStartupFiles(QApplication::arguments().mid(1));
    mainForm.show();
    return app.exec();
}
