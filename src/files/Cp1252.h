#pragma once

#include <QByteArray>
#include <QString>

// The one place where widget text (QString) meets cell and file text (Windows-1252 bytes).
namespace Cp1252 {

// Every byte maps to one character; the five bytes the code page leaves undefined map to the
// control characters of the same number, so any byte sequence survives a round trip.
QString toUnicode(const QByteArray& bytes);

bool canEncode(QChar c);
bool canEncode(const QString& text);

// Characters the code page cannot hold become '?'; callers check canEncode() first where
// the teacher must be told.
QByteArray fromUnicode(const QString& text);

} // namespace Cp1252
