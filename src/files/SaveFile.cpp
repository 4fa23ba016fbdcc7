#include "SaveFile.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    // commit() alone does not notice when writing out the last buffered bytes fails (a full
    // disk), and would put a cut-off file in place of the old one.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        file.commit())
        return true;
    if (error)
        *error =
            u"Die Datei %1 konnte nicht gespeichert werden: %2"_s.arg(path, file.errorString());
    return false;
}
