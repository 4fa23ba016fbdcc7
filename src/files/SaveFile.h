#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes goes through here: the old file stays whole until the new
// one is complete. On failure, *error gets a German text naming the file and the reason.
bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error);
