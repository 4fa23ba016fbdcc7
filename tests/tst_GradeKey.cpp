#include "evaluation/GradeKey.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The fields right after choosing the scale of this caption ("" for the untouched dialog),
// then edits "field=text" separated by ";" as the teacher would type them.
GradeKeyFields keyFor(const QString& caption, const QString& edits = QString()) {
    GradeKeyFields key = gradeKeyFieldsFor(initialGradeScale());
    for (const GradeScale& scale : gradeScales()) {
        if (QStringView(scale.caption) == caption)
            key = gradeKeyFieldsFor(scale);
    }
    if (!caption.isEmpty() && key.gradeTexts[0] == initialGradeScale().texts[0])
        qFatal("no scale %s", qPrintable(caption));
    for (const QString& edit : edits.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = edit.indexOf(u'=');
        key.thresholds[edit.left(eq).toInt() - 1] = edit.mid(eq + 1);
    }
    return key;
}

} // namespace

class tst_GradeKey : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void lookup_data();
    void lookup();
    void validation_data();
    void validation();
    void thresholdValue_data();
    void thresholdValue();
};

void tst_GradeKey::lookup_data() {
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("edits");
    QTest::addColumn<qint64>("percent");
    QTest::addColumn<QString>("grade"); // empty: no grade
    QTest::addColumn<int>("badField");

    auto row = [](const char* name, const QString& scale, const QString& edits, qint64 percent,
                  const QString& grade, int badField = 0) {
        QTest::newRow(name) << scale << edits << percent << grade << badField;
    };

    row("Ü 8 100", u"Ü 8"_s, {}, 1000000, u" Ü 1"_s);
    row("Ü 8 84 reaches", u"Ü 8"_s, {}, 840000, u" Ü 2"_s);
    row("Ü 8 83.9999", u"Ü 8"_s, {}, 839999, u" Ü 3"_s);
    row("Ü 8 17", u"Ü 8"_s, {}, 170000, u" Ü 7"_s);
    row("Ü 8 16.9999", u"Ü 8"_s, {}, 169999, u" Ü 8"_s);
    row("Ü 8 0", u"Ü 8"_s, {}, 0, u" Ü 8"_s);
    row("1 bis 6 85", u"1 bis 6"_s, {}, 850000, u"   1"_s);
    row("1 bis 6 19", u"1 bis 6"_s, {}, 190000, u"   5"_s);
    row("1 bis 6 18.5", u"1 bis 6"_s, {}, 185000, u"   6"_s);
    row("1 bis 6 0", u"1 bis 6"_s, {}, 0, u"   6"_s);
    row("Förderschule 90", u"Förderschule"_s, {}, 900000, u"Fö 1"_s);
    row("Förderschule 20", u"Förderschule"_s, {}, 200000, u"Fö 5"_s);
    row("Förderschule 19.9999", u"Förderschule"_s, {}, 199999, u"Fö 6"_s);
    row("AHR 93", u"AHR"_s, {}, 930000, u" Ü 1"_s);
    row("AHR 33.9999", u"AHR"_s, {}, 339999, u" Ü 6"_s);
    row("MSA 92.9999", u"MSA"_s, {}, 929999, u" Ü 3"_s);
    row("MSA 0", u"MSA"_s, {}, 0, u" Ü 7"_s);
    row("ESA 67", u"ESA"_s, {}, 670000, u" Ü 5"_s);
    row("ESA 0", u"ESA"_s, {}, 0, u" Ü 8"_s);
    row("Ü 1 - Ü 7 26", u"Ü 1 - Ü 7,  MSA + AHR"_s, {}, 260000, u" Ü 6"_s);
    row("Ü 1 - Ü 7 25.9999", u"Ü 1 - Ü 7,  MSA + AHR"_s, {}, 259999, u" Ü 7"_s);
    row("Ü 2 - Ü 8 26", u"Ü 2 - Ü 8,  ESA + MSA"_s, {}, 260000, u" Ü 7"_s);
    row("Ü 2 - Ü 8 25.9999", u"Ü 2 - Ü 8,  ESA + MSA"_s, {}, 259999, u" Ü 8"_s);
    row("Ü 2 - Ü 8 95", u"Ü 2 - Ü 8,  ESA + MSA"_s, {}, 950000, u" Ü 2"_s);
    row("Sek. II 95", u"Sek. II"_s, {}, 950000, u"15 Pkt."_s);
    row("Sek. II 94.9999", u"Sek. II"_s, {}, 949999, u"14 Pkt."_s);
    row("Sek. II 60", u"Sek. II"_s, {}, 600000, u"8 Pkt."_s);
    row("Sek. II 59.9999", u"Sek. II"_s, {}, 599999, u" 7 Pkt."_s);
    row("Sek. II 30", u"Sek. II"_s, {}, 300000, u"2 Pkt."_s);
    row("Sek. II 19", u"Sek. II"_s, {}, 190000, u"1 Pkt."_s);
    row("Sek. II 18.9999", u"Sek. II"_s, {}, 189999, u"0 Pkt."_s);
    row("untouched dialog 95", QString(), {}, 950000, u"  Ü  1"_s);
    row("untouched dialog 94.9999", QString(), {}, 949999, u" Ü  2"_s);
    row("untouched dialog 50", QString(), {}, 500000, u"  Ü 6"_s);
    // Step 1 gives grade 1, step 2 takes it down to grade 3.
    row("threshold 2 above threshold 1", u"Ü 8"_s, u"2=97"_s, 960000, u" Ü 3"_s);
    row("empty threshold 7 not read", u"Ü 8"_s, u"7="_s, 50000, u" Ü 7"_s);
    row("threshold 8 never read", u"Ü 8"_s, u"8=keiner"_s, 0, u" Ü 8"_s);
    row("Sek. II reads an empty threshold 7", u"Sek. II"_s, u"7="_s, 500000, QString(), 7);
    row("not a number", u"Ü 8"_s, u"3=viel"_s, 900000, QString(), 3);
    row("emptied threshold", u"1 bis 6"_s, u"5="_s, 900000, QString(), 5);
    row("Sek. II second row", u"Sek. II"_s, u"12=x"_s, 900000, QString(), 12);
    row("first bad field named", u"Ü 8"_s, u"4=a;2=b"_s, 900000, QString(), 2);
    row("leading blank", u"Ü 8"_s, u"7= 17"_s, 169999, u" Ü 8"_s);
    row("decimal comma reached", u"Ü 8"_s, u"5=50,5"_s, 505000, u" Ü 5"_s);
    row("decimal comma below", u"Ü 8"_s, u"5=50,5"_s, 504999, u" Ü 6"_s);
    row("decimal point is not German", u"Ü 8"_s, u"5=50.5"_s, 600000, QString(), 5);
    row("fifth decimal of threshold", u"Ü 8"_s, u"5=50,00001"_s, 500000, u" Ü 6"_s);
    row("fifth decimal of threshold reached", u"Ü 8"_s, u"5=50,00001"_s, 500001, u" Ü 5"_s);
}

void tst_GradeKey::lookup() {
    QFETCH(QString, scale);
    QFETCH(QString, edits);
    QFETCH(qint64, percent);
    QFETCH(QString, grade);
    QFETCH(int, badField);

    int bad = -1;
    const std::optional<QString> found = gradeFor(keyFor(scale, edits), percent, &bad);
    if (badField == 0) {
        QVERIFY(found.has_value());
        QCOMPARE(*found, grade);
        QCOMPARE(bad, 0);
    } else {
        QVERIFY(!found.has_value());
        QCOMPARE(bad, badField);
    }
}

void tst_GradeKey::validation_data() {
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("edits");
    QTest::addColumn<int>("badField"); // 0: valid

    QTest::newRow("untouched dialog") << QString() << QString() << 0;
    for (const GradeScale& scale : gradeScales())
        QTest::newRow(qPrintable(QString::fromUtf16(scale.caption)))
            << QString::fromUtf16(scale.caption) << QString() << 0;
    QTest::newRow("Ü 8 without threshold 7 and 8") << u"Ü 8"_s << u"7=;8="_s << 0;
    QTest::newRow("Ü 8 blank threshold 7") << u"Ü 8"_s << u"7= "_s << 7;
    QTest::newRow("Ü 8 threshold 6 emptied") << u"Ü 8"_s << u"6="_s << 6;
    QTest::newRow("Sek. II threshold 15 emptied") << u"Sek. II"_s << u"15="_s << 15;
    QTest::newRow("1 bis 6 second row ignored") << u"1 bis 6"_s << u"12=x"_s << 0;
}

void tst_GradeKey::validation() {
    QFETCH(QString, scale);
    QFETCH(QString, edits);
    QFETCH(int, badField);

    const GradeKeyFields key = keyFor(scale, edits);
    int bad = -1;
    QCOMPARE(validateGradeKey(key, &bad), badField == 0);
    QCOMPARE(bad, badField);
    if (badField != 0)
        QVERIFY(invalidThresholdMessage(key, bad).contains(QString::number(badField)));
}

void tst_GradeKey::thresholdValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value"); // -1: not a number

    QTest::newRow("integer") << u"84"_s << qint64(840000);
    QTest::newRow("leading blank zero") << u" 0"_s << qint64(0);
    QTest::newRow("trailing blank") << u"51 "_s << qint64(510000);
    QTest::newRow("decimal comma") << u"50,5"_s << qint64(505000);
    QTest::newRow("four decimals") << u"33,1250"_s << qint64(331250);
    QTest::newRow("fifth decimal rounds up") << u"33,12501"_s << qint64(331251);
    QTest::newRow("zeros past fourth decimal") << u"33,125000"_s << qint64(331250);
    QTest::newRow("comma first") << u",5"_s << qint64(5000);
    QTest::newRow("negative") << u"-5"_s << qint64(-50000);
    QTest::newRow("empty") << QString() << qint64(-1);
    QTest::newRow("blank") << u" "_s << qint64(-1);
    QTest::newRow("comma only") << u","_s << qint64(-1);
    QTest::newRow("word") << u"fünfzig"_s << qint64(-1);
    QTest::newRow("two commas") << u"1,2,3"_s << qint64(-1);
    QTest::newRow("digits inside blanks") << u"5 0"_s << qint64(-1);
}

void tst_GradeKey::thresholdValue() {
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QCOMPARE(thresholdTenThousandths(text).value_or(-1), value);
}

QTEST_APPLESS_MAIN(tst_GradeKey)
#include "tst_GradeKey.moc"
