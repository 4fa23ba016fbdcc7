#include "CellTextValidator.h"

#include "files/Cp1252.h"

namespace {

bool isLineBreak(QChar c) {
    switch (c.unicode()) {
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

// Every line break (CR LF counts as one) becomes a blank; the cursor stays behind its character.
QString joinLines(const QString& text, int& pos) {
    QString result;
    result.reserve(text.size());
    const int cursor = pos;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!isLineBreak(c)) {
            result.append(c);
            continue;
        }
        result.append(u' ');
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            // The LF goes; a cursor behind it moves back by one.
            if (cursor > i + 1)
                --pos;
            ++i;
        }
    }
    return result;
}

} // namespace

CellTextValidator::CellTextValidator(QObject* parent)
    : QValidator(parent) {}

QValidator::State CellTextValidator::validate(QString& input, int& pos) const {
    input = joinLines(input, pos);
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (Cp1252::canEncode(input.at(i)))
            continue;
        const bool pair = input.at(i).isHighSurrogate() && i + 1 < input.size() &&
                          input.at(i + 1).isLowSurrogate();
        m_refused = input.mid(i, pair ? 2 : 1);
        return Invalid;
    }
    return Acceptable;
}
