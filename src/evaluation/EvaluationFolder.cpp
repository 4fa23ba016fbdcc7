#include "EvaluationFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

QString shortDate(const QDate& date) {
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"))
        format.replace(u"yy"_s, u"yyyy"_s);
    return locale.toString(date, format);
}

QString evaluationFolderName(int n, const QDate& date) {
    QString day = shortDate(date);
    day.replace(u'/', u'-');
    day.replace(u'\\', u'-');
    return u"Auswertung "_s + QString::number(n) + u" vom "_s + day;
}

int nextEvaluationNumber(const QString& workFolder, const QDate& date) {
    const QDir folder(workFolder);
    int n = 1;
    // A file of that name blocks the folder as well as a folder does.
    while (QFileInfo::exists(folder.filePath(evaluationFolderName(n, date))))
        ++n;
    return n;
}
