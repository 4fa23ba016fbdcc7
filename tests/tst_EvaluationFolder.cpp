#include "evaluation/EvaluationFolder.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_EvaluationFolder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void shortDateHasFourDigitYear();
    void folderName();
    void numbersFollowEarlierRuns();
    void otherDayStartsAtOne();
    void fileOfThatNameIsSkipped();
};

void tst_EvaluationFolder::shortDateHasFourDigitYear() {
    QCOMPARE(shortDate(QDate(2024, 3, 5)), u"05.03.2024"_s);
    QCOMPARE(shortDate(QDate(1999, 12, 31)), u"31.12.1999"_s);

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString american = shortDate(QDate(2024, 3, 5));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(american, u"3/5/2024"_s);
}

void tst_EvaluationFolder::folderName() {
    QCOMPARE(evaluationFolderName(1, QDate(2024, 3, 5)), u"Auswertung 1 vom 05.03.2024"_s);
    QCOMPARE(evaluationFolderName(12, QDate(2024, 11, 20)), u"Auswertung 12 vom 20.11.2024"_s);

    // A date with slashes must not turn into nested folders.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString american = evaluationFolderName(2, QDate(2024, 3, 5));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(american, u"Auswertung 2 vom 3-5-2024"_s);
}

void tst_EvaluationFolder::numbersFollowEarlierRuns() {
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QDate day(2024, 3, 5);
    // Five runs on one day each get a folder of their own.
    for (int run = 1; run <= 5; ++run) {
        const int n = nextEvaluationNumber(work.path(), day);
        QCOMPARE(n, run);
        QVERIFY(QDir(work.path()).mkdir(evaluationFolderName(n, day)));
    }
    QCOMPARE(QDir(work.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 5);

    // A gap left by a removed folder is filled first.
    QVERIFY(QDir(work.path()).rmdir(evaluationFolderName(2, day)));
    QCOMPARE(nextEvaluationNumber(work.path(), day), 2);
}

void tst_EvaluationFolder::otherDayStartsAtOne() {
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QDir(work.path()).mkdir(evaluationFolderName(1, QDate(2024, 3, 5))));
    QVERIFY(QDir(work.path()).mkdir(evaluationFolderName(2, QDate(2024, 3, 5))));
    QCOMPARE(nextEvaluationNumber(work.path(), QDate(2024, 3, 6)), 1);
    QCOMPARE(nextEvaluationNumber(work.path(), QDate(2024, 3, 5)), 3);
}

void tst_EvaluationFolder::fileOfThatNameIsSkipped() {
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QDate day(2024, 3, 5);
    QFile blocker(QDir(work.path()).filePath(evaluationFolderName(1, day)));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QCOMPARE(nextEvaluationNumber(work.path(), day), 2);
}

QTEST_APPLESS_MAIN(tst_EvaluationFolder)
#include "tst_EvaluationFolder.moc"
