#include "SaveFile.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error =
            u"Die Datei %1 konnte nicht gespeichert werden: %2"_s.arg(path, file.errorString());
    return false;
}
