#include "app/AppFonts.h"
#include "app/Config.h"
#include "app/LanguageTable.h"
#include "db/DbOperator.h"
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

struct Language
{
    QString folder;
    int code;
};

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
    parser.addPositionalArgument("OUTDIR", "Folder for the pictures.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(dataDir)) {
        err << "usage: vitacor-gallery --data-dir DIR OUTDIR\n";
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

    Gallery gallery;
    MainWindowScreens::addTo(gallery);
    RowScreens::addTo(gallery);
    ReportScreens::addTo(gallery);
    HolterReportScreens::addTo(gallery);
    SettingsScreens::addTo(gallery);
    HolterScreens::addTo(gallery);

    QStringList failed;
    for (const Language& language : {Language{"en", 1}, Language{"de", 4}}) {
        const LanguageTable::Entry entry = LanguageTable::forCode(language.code);
        QTranslator translator;
        if (!translator.load(entry.translationFile)) {
            err << "vitacor-gallery: no translation " << entry.translationFile << "\n";
            return 1;
        }
        QApplication::installTranslator(&translator);
        DisplayLanguage::set(entry.displayLanguage);
        Config::instance()->setLanguage(language.code);
        const QStringList missing = gallery.renderAll(outDir + "/" + language.folder);
        for (const QString& name : missing)
            failed << language.folder + "/" + name;
        QApplication::removeTranslator(&translator);
    }
    QTextStream(stdout) << "vitacor-gallery: " << 2 * gallery.size() - failed.size() << " pictures in " << outDir
                        << "\n";
    if (!failed.isEmpty())
        err << "vitacor-gallery: not drawn: " << failed.join(", ") << "\n";
    return failed.isEmpty() ? 0 : 1;
}
