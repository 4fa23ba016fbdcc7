#include "app/ScreenScaling.h"

#include <QTest>

class TestScreenScaling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void percent_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("1280 at 96") << 1280 << 96 << 94 << false;
        QTest::newRow("1366 at 120") << 1366 << 120 << 76 << false;
        QTest::newRow("1920 at 96") << 1920 << 96 << 129 << false;
        QTest::newRow("1920 at 120") << 1920 << 120 << 158 << false;
        QTest::newRow("1366 at 96") << 1366 << 96 << 100 << false;
        QTest::newRow("1024 at 96") << 1024 << 96 << 75 << false;
        QTest::newRow("1024 at 120 is maximised") << 1024 << 120 << 100 << true;
        QTest::newRow("1365 at 144 is maximised") << 1365 << 144 << 100 << true;
        QTest::newRow("1366 at 72 grows") << 1366 << 72 << 124 << false;
        QTest::newRow("1365 at 96") << 1365 << 96 << 100 << false;
        QTest::newRow("2560 at 96") << 2560 << 96 << 147 << false;
        QTest::newRow("1920 at 72") << 1920 << 72 << 129 << false;
    }
    void percent() {
        QFETCH(int, width);
        QFETCH(int, dpi);
        QFETCH(int, percent);
        QFETCH(bool, maximised);
        const ScreenScaling scaling = screenScaling(width, dpi - 96);
        QCOMPARE(scaling.percent, percent);
        QCOMPARE(scaling.maximised, maximised);
    }
};

QTEST_APPLESS_MAIN(TestScreenScaling)
#include "tst_ScreenScaling.moc"
