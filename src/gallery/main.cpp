#include "app/AppFonts.h"
#include "app/Config.h"
#include "app/LanguageTable.h"
#include "db/DbOperator.h"
#include "gallery/DownloadScreens.h"
#include "gallery/Gallery.h"
#include "gallery/HolterReportScreens.h"
#include "gallery/HolterScreens.h"
#include "gallery/MainWindowScreens.h"
#include "gallery/ReportScreens.h"
#include "gallery/RowScreens.h"
#include "gallery/SettingsScreens.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>
#include <QTranslator>

namespace {

// The main window is drawn in every language; the other screens, many more,
// in English and German only, which keeps the run short.
struct Language
{
    QString folder;
    int code;
    bool everyScreen;
    QString translationFile = QString(); // empty: the one the code selects
};

// Code 2 is the simplified-Chinese edition, whose start-up loads the English
// texts; it is drawn with its Chinese translation so that people can read it,
// as the text-fit tests check it.
const Language kLanguages[] = {
    {"en", 1, true},  {"de", 4, true},  {"fr", 3, false},
    {"it", 5, false}, {"es", 6, false}, {"zh_CN", 2, false, "://translations/chinese_simplified.qm"},
};

// Draws the gallery into outDir/folder; adds the screens not drawn to failed
// and returns the number of pictures written.
int renderInto(const Gallery& gallery, const QString& outDir, const QString& folder, QStringList& failed)
{
    const QStringList missing = gallery.renderAll(outDir + "/" + folder);
    for (const QString& name : missing)
        failed << folder + "/" + name;
    return gallery.size() - missing.size();
}

} // namespace

static void initGuiResources()
{
    Q_INIT_RESOURCE(gui);
    Q_INIT_RESOURCE(generated);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(VITACOR_VERSION);
    initGuiResources();
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription("Draws every screen into OUTDIR/<language>/<screen>.png.");
    parser.addHelpOption();
    const QCommandLineOption dataDir("data-dir", "The data directory to draw from.", "DIR");
    parser.addOption(dataDir);
    const QCommandLineOption busDir("bus", "The emulated bus of the download dialog's monitors.", "DIR");
    parser.addOption(busDir);
    parser.addPositionalArgument("OUTDIR", "Folder for the pictures.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(dataDir) || !parser.isSet(busDir)) {
        err << "usage: vitacor-gallery --data-dir DIR --bus DIR OUTDIR\n";
        return 2;
    }
    const QString outDir = parser.positionalArguments().constFirst();

    AppFonts::load();
    QFile styleSheet(":/res/qss/qsstest.qss");
    if (styleSheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
    Config::instance()->setDataDir(parser.value(dataDir));
    if (!DbOperator::instance()->openAndInit()) {
        err << "vitacor-gallery: cannot open the record store in " << parser.value(dataDir) << "\n";
        return 1;
    }

    Gallery mainWindow;
    MainWindowScreens::addTo(mainWindow);
    Gallery others;
    RowScreens::addTo(others);
    ReportScreens::addTo(others);
    HolterReportScreens::addTo(others);
    SettingsScreens::addTo(others);
    DownloadScreens::addTo(others, parser.value(busDir));
    HolterScreens::addTo(others);

    QStringList failed;
    int drawn = 0;
    for (const Language& language : kLanguages) {
        const LanguageTable::Entry entry = LanguageTable::forCode(language.code);
        const QString translationFile =
            language.translationFile.isEmpty() ? entry.translationFile : language.translationFile;
        QTranslator translator;
        if (!translator.load(translationFile)) {
            err << "vitacor-gallery: no translation " << translationFile << "\n";
            return 1;
        }
        QApplication::installTranslator(&translator);
        DisplayLanguage::set(entry.displayLanguage);
        Config::instance()->setLanguage(language.code);
        drawn += renderInto(mainWindow, outDir, language.folder, failed);
        if (language.everyScreen)
            drawn += renderInto(others, outDir, language.folder, failed);
        QApplication::removeTranslator(&translator);
    }
    QTextStream(stdout) << "vitacor-gallery: " << drawn << " pictures in " << outDir << "\n";
    if (!failed.isEmpty())
        err << "vitacor-gallery: not drawn: " << failed.join(", ") << "\n";
    return failed.isEmpty() ? 0 : 1;
}
