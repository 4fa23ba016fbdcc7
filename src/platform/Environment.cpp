#include "Environment.h"

using namespace Qt::StringLiterals;

QString Environment::homeFolder() const {
    const QString drive = variable(u"homedrive"_s);
    const QString path = variable(u"homepath"_s);
    if (!drive.isEmpty() && !path.isEmpty())
        return drive + path;
    return variable(u"home"_s);
}

QString Environment::projectsFolder() const {
    const QString home = homeFolder();
    return home.isEmpty() ? QString() : home + u"/Varelo"_s;
}
