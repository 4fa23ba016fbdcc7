#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

// The grade key as the dialog's fields hold it: index 0 .. 14 for fields 1 .. 15
// (thresholds Edit1 .. Edit15, grade texts Label1 .. Label8 and Label11 .. Label17).
struct GradeKeyFields {
    QString thresholds[15];
    QString gradeTexts[15];
    bool sekII = false;
};

// A threshold field read as a number in QLocale()'s format: blanks before and after, an
// optional sign, digits with at most one decimal separator. The value is the smallest
// count of ten-thousandths that the threshold does not exceed, so comparing a four-decimal
// percentage with it is exact whatever the threshold's decimals. Empty when not a number.
std::optional<qint64> thresholdTenThousandths(const QString& field);

// The grade for a percentage (in ten-thousandths). Outside "Sek. II": steps over
// thresholds 1 .. 6, and threshold 7 only when its field is not empty; threshold 8 is never
// read. "Sek. II": fifteen thresholds, "0 Pkt." below the last. When a threshold it reads is
// not a number, the result is empty and *badField (if given) names that field (1 .. 15).
std::optional<QString> gradeFor(const GradeKeyFields& key, qint64 percentTenThousandths,
                                int* badField);

// Before an evaluation starts: every threshold the lookup reads is a number. Otherwise
// false, and *badField (if given) is the first such field.
bool validateGradeKey(const GradeKeyFields& key, int* badField);

// The message for a threshold field that is not a number.
QString invalidThresholdMessage(const GradeKeyFields& key, int badField);

// Below the last "Sek. II" threshold.
QString zeroPointsGradeText();

// What choosing a scale writes into grade texts 1 .. 8 and thresholds 1 .. 8.
struct GradeScale {
    const char16_t* caption;
    const char16_t* radioButton;
    QString texts[8];
    QString thresholds[8];
    bool sekII;
};

// The nine scales: "Ü 8", "1 bis 6", "Förderschule", "AHR", "MSA", "ESA",
// "Ü 1 - Ü 7,  MSA + AHR", "Ü 2 - Ü 8,  ESA + MSA", "Sek. II".
const std::array<GradeScale, 9>& gradeScales();

// The dialog as created: "Ü 8" selected, but with texts of its own blanks.
const GradeScale& initialGradeScale();

// Grade texts 9 .. 15 and thresholds 9 .. 15, fixed when the dialog is created.
struct GradeSecondRow {
    QString texts[7];
    QString thresholds[7];
};
const GradeSecondRow& sekIISecondRow();

// The fields as the dialog holds them right after choosing the scale (the second row is
// always the fixed one).
GradeKeyFields gradeKeyFieldsFor(const GradeScale& scale);
