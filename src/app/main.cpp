#include "app/Program.h"
#include "app/TForm1.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Varelo"_s);

    // Qt's own buttons ("Ja", "Nein", "Abbrechen") in German, whatever the desktop's language.
    QTranslator translator;
    if (translator.load(u"qtbase_de"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    const std::unique_ptr<Platform> platform = makeLinuxPlatform();
    Program program(*platform);
    QObject::connect(program.forms().Form1, &TForm1::closed, &application, &QApplication::quit);
    program.showMainWindow();
    return application.exec();
}
