#include "LinuxHelp.h"

#include <QCoreApplication>
#include <QStandardPaths>

QStringList LinuxHelp::folders() const {
    return {QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)};
}
