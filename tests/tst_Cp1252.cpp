#include "files/Cp1252.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCp1252 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = Cp1252::toUnicode(all);
        QCOMPARE(text.size(), 256);
        QVERIFY(Cp1252::canEncode(text));
        QCOMPARE(Cp1252::fromUnicode(text), all);
    }

    void characters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("umlauts") << u"äöüÄÖÜß"_s << QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF");
        QTest::newRow("euro and quotes") << u"€„“"_s << QByteArray("\x80\x84\x93");
        QTest::newRow("acute accent") << u"geh´"_s << QByteArray("geh\xB4");
    }
    void characters() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp1252::fromUnicode(text), bytes);
        QCOMPARE(Cp1252::toUnicode(bytes), text);
    }

    void foreignCharactersAreNotSilentlyStored() {
        const QString text = u"Ω-Wert 😀"_s;
        QVERIFY(!Cp1252::canEncode(text));
        QVERIFY(!Cp1252::canEncode(QChar(0x2192)));
        QVERIFY(Cp1252::canEncode(QChar(0x20AC)));
    }
};

QTEST_APPLESS_MAIN(TestCp1252)
#include "tst_Cp1252.moc"
