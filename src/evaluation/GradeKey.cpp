#include "GradeKey.h"

#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Far above any percentage points / maximum * 100 can give, and far below overflow.
constexpr qint64 kSaturatedWhole = Q_INT64_C(100000000000000);

bool startsWithAt(const QString& text, qsizetype at, const QString& piece) {
    return !piece.isEmpty() && QStringView(text).mid(at).startsWith(piece);
}

std::optional<qint64> readThreshold(const GradeKeyFields& key, int field, int* badField) {
    const std::optional<qint64> value = thresholdTenThousandths(key.thresholds[field - 1]);
    if (!value && badField)
        *badField = field;
    return value;
}

} // namespace

std::optional<qint64> thresholdTenThousandths(const QString& field) {
    const QLocale locale;
    const qsizetype size = field.size();
    qsizetype at = 0;
    while (at < size && field.at(at).isSpace())
        ++at;

    bool negative = false;
    if (startsWithAt(field, at, locale.negativeSign())) {
        negative = true;
        at += locale.negativeSign().size();
    } else if (at < size && field.at(at) == u'-') {
        negative = true;
        ++at;
    } else if (startsWithAt(field, at, locale.positiveSign())) {
        at += locale.positiveSign().size();
    } else if (at < size && field.at(at) == u'+') {
        ++at;
    }

    auto isDigit = [&](qsizetype i) {
        return i < size && field.at(i) >= u'0' && field.at(i) <= u'9';
    };
    int digits = 0;
    qint64 whole = 0;
    for (; isDigit(at); ++at, ++digits)
        whole = std::min(kSaturatedWhole, whole * 10 + (field.at(at).unicode() - u'0'));

    qint64 fraction = 0;
    int fractionDigits = 0;
    bool beyondFourDecimals = false;
    if (startsWithAt(field, at, locale.decimalPoint())) {
        at += locale.decimalPoint().size();
        for (; isDigit(at); ++at, ++digits) {
            const int digit = field.at(at).unicode() - u'0';
            if (fractionDigits < 4) {
                fraction = fraction * 10 + digit;
                ++fractionDigits;
            } else if (digit != 0) {
                beyondFourDecimals = true;
            }
        }
    }
    for (; fractionDigits < 4; ++fractionDigits)
        fraction *= 10;

    while (at < size && field.at(at).isSpace())
        ++at;
    if (digits == 0 || at != size)
        return std::nullopt;

    const qint64 truncated = whole * 10000 + fraction;
    // Rounding up keeps "percentage >= threshold" exact for decimals past the fourth.
    if (negative)
        return -truncated;
    return beyondFourDecimals ? truncated + 1 : truncated;
}

std::optional<QString> gradeFor(const GradeKeyFields& key, qint64 percentTenThousandths,
                                int* badField) {
    if (badField)
        *badField = 0;
    std::optional<qint64> threshold = readThreshold(key, 1, badField);
    if (!threshold)
        return std::nullopt;
    QString grade = percentTenThousandths >= *threshold ? key.gradeTexts[0] : key.gradeTexts[1];

    // Every later step that applies overrides the earlier ones, so a raised threshold can
    // take a grade back down even after the first step.
    const int lastField = key.sekII ? 15 : 7;
    for (int field = 2; field <= lastField; ++field) {
        if (!key.sekII && field == 7 && key.thresholds[6].isEmpty())
            continue;
        threshold = readThreshold(key, field, badField);
        if (!threshold)
            return std::nullopt;
        if (percentTenThousandths < *threshold)
            grade = field < 15 ? key.gradeTexts[field] : zeroPointsGradeText();
    }
    return grade;
}

bool validateGradeKey(const GradeKeyFields& key, int* badField) {
    // The lookup reads the same fields whatever the percentage.
    return gradeFor(key, 0, badField).has_value();
}

QString invalidThresholdMessage(const GradeKeyFields& key, int badField) {
    const QString text = badField >= 1 && badField <= 15 ? key.thresholds[badField - 1] : QString();
    const QString problem = text.trimmed().isEmpty()
                                ? u"Das Prozentfeld %1 ist leer."_s.arg(badField)
                                : u"Der Prozentwert „%1“ in Feld %2 ist keine Zahl."_s.arg(
                                      text, QString::number(badField));
    return problem + u"\nBitte korrigieren und dann erneut „weiter“ wählen."_s;
}

QString zeroPointsGradeText() {
    return u"0 Pkt."_s;
}

const std::array<GradeScale, 9>& gradeScales() {
    static const std::array<GradeScale, 9> scales = {{
        {u"Ü 8",
         u"RadioButton6",
         {u" Ü 1"_s, u" Ü 2"_s, u" Ü 3"_s, u" Ü 4"_s, u" Ü 5"_s, u" Ü 6"_s, u" Ü 7"_s, u" Ü 8"_s},
         {u"95"_s, u"84"_s, u"73"_s, u"62"_s, u"51"_s, u"34"_s, u"17"_s, u" 0"_s},
         false},
        {u"1 bis 6",
         u"RadioButton1",
         {u"   1"_s, u"   2"_s, u"   3"_s, u"   4"_s, u"   5"_s, u"   6"_s, QString(), QString()},
         {u"85"_s, u"70"_s, u"55"_s, u"40"_s, u"19"_s, u" 0"_s, QString(), QString()},
         false},
        {u"Förderschule",
         u"RadioButton2",
         {u"Fö 1"_s, u"Fö 2"_s, u"Fö 3"_s, u"Fö 4"_s, u"Fö 5"_s, u"Fö 6"_s, QString(), QString()},
         {u"90"_s, u"70"_s, u"55"_s, u"40"_s, u"20"_s, u" 0"_s, QString(), QString()},
         false},
        {u"AHR",
         u"RadioButton5",
         {u" Ü 1"_s, u" Ü 2"_s, u" Ü 3"_s, u" Ü 4"_s, u" Ü 5"_s, u" Ü 6"_s, QString(), QString()},
         {u"93"_s, u"84"_s, u"67"_s, u"50"_s, u"34"_s, u" 0"_s, QString(), QString()},
         false},
        {u"MSA",
         u"RadioButton4",
         {u" Ü 2"_s, u" Ü 3"_s, u" Ü 4"_s, u" Ü 5"_s, u" Ü 6"_s, u" Ü 7"_s, QString(), QString()},
         {u"93"_s, u"84"_s, u"67"_s, u"50"_s, u"34"_s, u" 0"_s, QString(), QString()},
         false},
        {u"ESA",
         u"RadioButton3",
         {u" Ü 3"_s, u" Ü 4"_s, u" Ü 5"_s, u" Ü 6"_s, u" Ü 7"_s, u" Ü 8"_s, QString(), QString()},
         {u"93"_s, u"84"_s, u"67"_s, u"50"_s, u"34"_s, u" 0"_s, QString(), QString()},
         false},
        {u"Ü 1 - Ü 7,  MSA + AHR",
         u"RadioButton7",
         {u" Ü 1"_s, u" Ü 2"_s, u" Ü 3"_s, u" Ü 4"_s, u" Ü 5"_s, u" Ü 6"_s, u" Ü 7"_s, QString()},
         {u"95"_s, u"84"_s, u"73"_s, u"62"_s, u"51"_s, u"26"_s, u" 0"_s, QString()},
         false},
        {u"Ü 2 - Ü 8,  ESA + MSA",
         u"RadioButton8",
         {u" Ü 2"_s, u" Ü 3"_s, u" Ü 4"_s, u" Ü 5"_s, u" Ü 6"_s, u" Ü 7"_s, u" Ü 8"_s, QString()},
         {u"95"_s, u"84"_s, u"73"_s, u"62"_s, u"51"_s, u"26"_s, u" 0"_s, QString()},
         false},
        {u"Sek. II",
         u"RadioButton9",
         {u"15 Pkt."_s, u"14 Pkt."_s, u"13 Pkt."_s, u"12 Pkt."_s, u"11 Pkt."_s, u"10 Pkt."_s,
          u"9 Pkt."_s, u"8 Pkt."_s},
         {u"95"_s, u"90"_s, u"85"_s, u"80"_s, u"75"_s, u"70"_s, u"65"_s, u"60"_s},
         true},
    }};
    return scales;
}

const GradeScale& initialGradeScale() {
    static const GradeScale scale = {
        u"Ü 8",
        u"RadioButton6",
        {u"  Ü  1"_s, u" Ü  2"_s, u" Ü  3"_s, u" Ü  4"_s, u"  Ü 5"_s, u"  Ü 6"_s, u" Ü 7"_s,
         u" Ü 8"_s},
        {u"95"_s, u"84"_s, u"73"_s, u"62"_s, u"51"_s, u"34"_s, u"17"_s, u" 0"_s},
        false};
    return scale;
}

const GradeSecondRow& sekIISecondRow() {
    static const GradeSecondRow row = {
        {u" 7 Pkt."_s, u" 6 Pkt."_s, u"5 Pkt."_s, u"4 Pkt."_s, u" 3 Pkt."_s, u"2 Pkt."_s,
         u"1 Pkt."_s},
        {u"55"_s, u"50"_s, u"45"_s, u"40"_s, u"35"_s, u"30"_s, u"19"_s}};
    return row;
}

GradeKeyFields gradeKeyFieldsFor(const GradeScale& scale) {
    GradeKeyFields key;
    for (int i = 0; i < 8; ++i) {
        key.gradeTexts[i] = scale.texts[i];
        key.thresholds[i] = scale.thresholds[i];
    }
    const GradeSecondRow& second = sekIISecondRow();
    for (int i = 0; i < 7; ++i) {
        key.gradeTexts[8 + i] = second.texts[i];
        key.thresholds[8 + i] = second.thresholds[i];
    }
    key.sekII = scale.sekII;
    return key;
}
