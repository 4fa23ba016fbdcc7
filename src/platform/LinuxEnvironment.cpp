#include "LinuxEnvironment.h"

#include <QProcessEnvironment>

QString LinuxEnvironment::variable(const QString& name) const {
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QStringList keys = environment.keys();
    for (const QString& key : keys) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return environment.value(key);
    }
    return {};
}
