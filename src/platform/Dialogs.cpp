#include "Dialogs.h"

using namespace Qt::StringLiterals;

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString masks = parts[i + 1];
        masks.replace(u';', u' ');
        result << parts[i] + u" ("_s + masks + u')';
    }
    return result;
}
