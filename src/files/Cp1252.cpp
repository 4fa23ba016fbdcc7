#include "Cp1252.h"

#include <array>

namespace {

// 0x80..0x9F; the undefined positions keep their own code.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(kHighTable.size()); ++i) {
        if (kHighTable[i] == u)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace Cp1252 {

QString toUnicode(const QByteArray& bytes) {
    QString result(bytes.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHighTable[b - 0x80] : char16_t(b));
    }
    return result;
}

bool canEncode(QChar c) {
    return byteFor(c.unicode()) >= 0;
}

bool canEncode(const QString& text) {
    for (QChar c : text) {
        if (!canEncode(c))
            return false;
    }
    return true;
}

QByteArray fromUnicode(const QString& text) {
    QByteArray result;
    result.reserve(text.size());
    for (QChar c : text) {
        const int b = byteFor(c.unicode());
        result.append(b < 0 ? '?' : char(b));
    }
    return result;
}

} // namespace Cp1252
