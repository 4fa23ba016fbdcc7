#include "ProgramFixture.h"
#include "evaluation/GradeKey.h"
#include "evaluation/TForm3.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

QStringList thresholdsOf(const TForm3& dialog, int first, int last) {
    QStringList texts;
    for (int field = first; field <= last; ++field)
        texts << dialog.findChild<QLineEdit*>(u"Edit%1"_s.arg(field))->text();
    return texts;
}

QStringList gradeTextsOf(const TForm3& dialog, const QList<int>& labels) {
    QStringList texts;
    for (int label : labels)
        texts << dialog.findChild<QLabel*>(u"Label%1"_s.arg(label))->text();
    return texts;
}

const QList<int> kFirstRow = {1, 2, 3, 4, 5, 6, 7, 8};
const QList<int> kSecondRow = {11, 12, 13, 14, 15, 16, 17};

// A radio button takes a click on its circle or its caption, not on the blank beyond.
void choose(TForm3& dialog, const QString& radio) {
    auto* button = dialog.findChild<QRadioButton*>(radio);
    QVERIFY2(button && button->isVisible(), qPrintable(radio));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Percentages in ten-thousandths, as the evaluation hands them over.
qint64 percent(double value) {
    return qRound64(value * 10000);
}

} // namespace

class TestGradeKeyDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void asCreated() {
        ProgramFixture f;
        f.platform.fixedScreen().screenSize = QSize(1920, 1080);
        f.start();
        const TForm3& dialog = *f.program->forms().Form3;
        QCOMPARE(dialog.windowTitle(), u"Notenschlüssel"_s);
        QVERIFY(dialog.isHidden());
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(225, 235, 253));
        QCOMPARE(dialog.Label9->text(), u"Bitte eine zum Test passende Bewertungebene wählen."_s);
        QCOMPARE(dialog.Label10->text(), u"Prozentwerte können auf Wunsch verändert werden."_s);
        QCOMPARE(dialog.Button1->text(), u"&weiter"_s);
        QCOMPARE(dialog.Button2->text(), u"zurück"_s);
        QVERIFY(dialog.RadioButton6->isChecked());
        QVERIFY(dialog.Panel1->isHidden());
        // Not the blanks that choosing "Ü 8" writes.
        QCOMPARE(gradeTextsOf(dialog, kFirstRow),
                 (QStringList{u"  Ü  1"_s, u" Ü  2"_s, u" Ü  3"_s, u" Ü  4"_s, u"  Ü 5"_s,
                              u"  Ü 6"_s, u" Ü 7"_s, u" Ü 8"_s}));
        QCOMPARE(thresholdsOf(dialog, 1, 8), (QStringList{u"95"_s, u"84"_s, u"73"_s, u"62"_s,
                                                          u"51"_s, u"34"_s, u"17"_s, u" 0"_s}));
        QCOMPARE(gradeTextsOf(dialog, kSecondRow),
                 (QStringList{u" 7 Pkt."_s, u" 6 Pkt."_s, u"5 Pkt."_s, u"4 Pkt."_s, u" 3 Pkt."_s,
                              u"2 Pkt."_s, u"1 Pkt."_s}));
        QCOMPARE(thresholdsOf(dialog, 9, 15),
                 (QStringList{u"55"_s, u"50"_s, u"45"_s, u"40"_s, u"35"_s, u"30"_s, u"19"_s}));
        for (int field = 1; field <= 15; ++field) {
            const auto* edit = dialog.findChild<QLineEdit*>(u"Edit%1"_s.arg(field));
            QCOMPARE(edit->accessibleName(), u"Schwelle %1"_s.arg(field));
        }
        const QStringList captions = {u"1 bis 6"_s,
                                      u"Förderschule"_s,
                                      u"ESA"_s,
                                      u"MSA"_s,
                                      u"AHR"_s,
                                      u"Ü 8"_s,
                                      u"Ü 1 - Ü 7,  MSA + AHR"_s,
                                      u"Ü 2 - Ü 8,  ESA + MSA"_s,
                                      u"Sek. II"_s};
        for (int i = 0; i < 9; ++i) {
            const auto* radio = dialog.findChild<QRadioButton*>(u"RadioButton%1"_s.arg(i + 1));
            QCOMPARE(radio->text(), captions.at(i));
            QVERIFY(radio->font().bold());
        }
        // The left column holds three scales and "1 bis 6", the middle three, the right two.
        QCOMPARE(dialog.RadioButton7->x(), dialog.RadioButton6->x());
        QCOMPARE(dialog.RadioButton1->x(), dialog.RadioButton6->x());
        QCOMPARE(dialog.RadioButton4->x(), dialog.RadioButton3->x());
        QVERIFY(dialog.RadioButton3->x() > dialog.RadioButton6->x());
        QVERIFY(dialog.RadioButton9->x() > dialog.RadioButton3->x());
        QCOMPARE(dialog.RadioButton9->x(), dialog.RadioButton2->x());
        // Every grade text stands under its threshold.
        QCOMPARE(dialog.Label3->x(), dialog.Edit3->x());
        QVERIFY(dialog.Label3->y() > dialog.Edit3->y());
        QCOMPARE(dialog.Label13->x(), dialog.Edit11->x());
        QVERIFY(dialog.Button1->x() > dialog.RadioButton9->x());
    }

    void scaledByScreenHeight_data() {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1080") << QSize(1920, 1080);
        QTest::newRow("768") << QSize(1366, 768);
        QTest::newRow("600") << QSize(1024, 600);
    }
    void scaledByScreenHeight() {
        QFETCH(QSize, screen);
        ProgramFixture f;
        f.platform.fixedScreen().screenSize = screen;
        f.start();
        const TForm3& dialog = *f.program->forms().Form3;
        const double factor = screen.height() / 1080.0;
        QCOMPARE(dialog.size(), QSize(qRound(1180 * factor), qRound(480 * factor)));
        QCOMPARE(dialog.pos(), QPoint((screen.width() - dialog.width()) / 2,
                                      (screen.height() - dialog.height()) / 2));
        QCOMPARE(dialog.Edit2->geometry(), QRect(qRound(170 * factor), qRound(96 * factor),
                                                 qRound(110 * factor), qRound(36 * factor)));
        QCOMPARE(dialog.Panel1->pos(), QPoint(0, qRound(169 * factor)));
        QCOMPARE(dialog.RadioButton6->font().pointSizeF(), 12 * factor);
    }

    // What each scale writes into the first row.
    void scales_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("thresholds");
        QTest::addColumn<bool>("secondRow");
        const QString e;
        QTest::newRow("Ü 8") << u"RadioButton6"_s
                             << QStringList{u" Ü 1"_s, u" Ü 2"_s, u" Ü 3"_s, u" Ü 4"_s,
                                            u" Ü 5"_s, u" Ü 6"_s, u" Ü 7"_s, u" Ü 8"_s}
                             << QStringList{u"95"_s, u"84"_s, u"73"_s, u"62"_s,
                                            u"51"_s, u"34"_s, u"17"_s, u" 0"_s}
                             << false;
        QTest::newRow("1 bis 6") << u"RadioButton1"_s
                                 << QStringList{u"   1"_s, u"   2"_s, u"   3"_s, u"   4"_s,
                                                u"   5"_s, u"   6"_s, e,         e}
                                 << QStringList{u"85"_s, u"70"_s, u"55"_s, u"40"_s,
                                                u"19"_s, u" 0"_s, e,       e}
                                 << false;
        QTest::newRow("Förderschule")
            << u"RadioButton2"_s
            << QStringList{u"Fö 1"_s, u"Fö 2"_s, u"Fö 3"_s, u"Fö 4"_s, u"Fö 5"_s, u"Fö 6"_s, e, e}
            << QStringList{u"90"_s, u"70"_s, u"55"_s, u"40"_s, u"20"_s, u" 0"_s, e, e} << false;
        QTest::newRow("AHR") << u"RadioButton5"_s
                             << QStringList{u" Ü 1"_s, u" Ü 2"_s, u" Ü 3"_s, u" Ü 4"_s,
                                            u" Ü 5"_s, u" Ü 6"_s, e,         e}
                             << QStringList{u"93"_s, u"84"_s, u"67"_s, u"50"_s,
                                            u"34"_s, u" 0"_s, e,       e}
                             << false;
        QTest::newRow("MSA") << u"RadioButton4"_s
                             << QStringList{u" Ü 2"_s, u" Ü 3"_s, u" Ü 4"_s, u" Ü 5"_s,
                                            u" Ü 6"_s, u" Ü 7"_s, e,         e}
                             << QStringList{u"93"_s, u"84"_s, u"67"_s, u"50"_s,
                                            u"34"_s, u" 0"_s, e,       e}
                             << false;
        QTest::newRow("ESA") << u"RadioButton3"_s
                             << QStringList{u" Ü 3"_s, u" Ü 4"_s, u" Ü 5"_s, u" Ü 6"_s,
                                            u" Ü 7"_s, u" Ü 8"_s, e,         e}
                             << QStringList{u"93"_s, u"84"_s, u"67"_s, u"50"_s,
                                            u"34"_s, u" 0"_s, e,       e}
                             << false;
        QTest::newRow("Ü 1 - Ü 7")
            << u"RadioButton7"_s << QStringList{u" Ü 1"_s, u" Ü 2"_s, u" Ü 3"_s, u" Ü 4"_s,
                                                u" Ü 5"_s, u" Ü 6"_s, u" Ü 7"_s, e}
            << QStringList{u"95"_s, u"84"_s, u"73"_s, u"62"_s, u"51"_s, u"26"_s, u" 0"_s, e}
            << false;
        QTest::newRow("Ü 2 - Ü 8")
            << u"RadioButton8"_s << QStringList{u" Ü 2"_s, u" Ü 3"_s, u" Ü 4"_s, u" Ü 5"_s,
                                                u" Ü 6"_s, u" Ü 7"_s, u" Ü 8"_s, e}
            << QStringList{u"95"_s, u"84"_s, u"73"_s, u"62"_s, u"51"_s, u"26"_s, u" 0"_s, e}
            << false;
        QTest::newRow("Sek. II") << u"RadioButton9"_s
                                 << QStringList{u"15 Pkt."_s, u"14 Pkt."_s, u"13 Pkt."_s,
                                                u"12 Pkt."_s, u"11 Pkt."_s, u"10 Pkt."_s,
                                                u"9 Pkt."_s,  u"8 Pkt."_s}
                                 << QStringList{u"95"_s, u"90"_s, u"85"_s, u"80"_s,
                                                u"75"_s, u"70"_s, u"65"_s, u"60"_s}
                                 << true;
    }
    void scales() {
        QFETCH(QString, radio);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, thresholds);
        QFETCH(bool, secondRow);
        ProgramFixture f;
        f.start().showMainWindow();
        f.form1().Button7Click();
        TForm3& dialog = *f.program->forms().Form3;
        // From another scale first, so every field has to be written.
        choose(dialog, radio == u"RadioButton7"_s ? u"RadioButton1"_s : u"RadioButton7"_s);
        choose(dialog, radio);
        QCOMPARE(gradeTextsOf(dialog, kFirstRow), texts);
        QCOMPARE(thresholdsOf(dialog, 1, 8), thresholds);
        QCOMPARE(dialog.Panel1->isVisible(), secondRow);
        QCOMPARE(dialog.gradeKey().sekII, secondRow);
        // The second row is never rewritten.
        QCOMPARE(thresholdsOf(dialog, 9, 15).last(), u"19"_s);
        QCOMPARE(gradeTextsOf(dialog, kSecondRow).first(), u" 7 Pkt."_s);
        QVERIFY(f.platform.log.isEmpty());
    }

    void secondRowCoversTheScalesUntilBack() {
        ProgramFixture f;
        f.start().showMainWindow();
        f.form1().Button7Click();
        TForm3& dialog = *f.program->forms().Form3;
        choose(dialog, u"RadioButton9"_s);
        QVERIFY(dialog.Panel1->geometry().contains(dialog.RadioButton6->geometry()));
        QVERIFY(dialog.Panel1->geometry().contains(dialog.RadioButton2->geometry()));
        QVERIFY(!dialog.Panel1->geometry().intersects(dialog.Button1->geometry()));
        // What lies on top there belongs to the second row.
        QWidget* onTop = dialog.childAt(dialog.RadioButton6->geometry().center());
        QVERIFY(onTop == dialog.Panel1 || dialog.Panel1->isAncestorOf(onTop));
        f.press(&dialog, "Button2");
        QVERIFY(dialog.Panel1->isHidden());
        QVERIFY(dialog.RadioButton6->isChecked());
        QVERIFY(!dialog.gradeKey().sekII);
        QCOMPARE(dialog.Label1->text(), u" Ü 1"_s);
        QCOMPARE(dialog.Edit6->text(), u"34"_s);
    }

    // The lookup reads what the fields hold at the moment.
    void gradesFromTheFields_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("editText");
        QTest::addColumn<double>("percentage");
        QTest::addColumn<QString>("grade");
        QTest::newRow("untouched, 95")
            << QString() << QString() << QString() << 95.0 << u"  Ü  1"_s;
        QTest::newRow("untouched, 16.9999")
            << QString() << QString() << QString() << 16.9999 << u" Ü 8"_s;
        QTest::newRow("Ü 8, 100") << u"RadioButton6"_s << QString() << QString() << 100.0
                                  << u" Ü 1"_s;
        QTest::newRow("Ü 8, 84") << u"RadioButton6"_s << QString() << QString() << 84.0
                                 << u" Ü 2"_s;
        QTest::newRow("1 bis 6, 18.5")
            << u"RadioButton1"_s << QString() << QString() << 18.5 << u"   6"_s;
        QTest::newRow("Ü 2 - Ü 8, 25.9999")
            << u"RadioButton8"_s << QString() << QString() << 25.9999 << u" Ü 8"_s;
        QTest::newRow("Sek. II, 18.9999")
            << u"RadioButton9"_s << QString() << QString() << 18.9999 << u"0 Pkt."_s;
        QTest::newRow("Sek. II, 59.9999")
            << u"RadioButton9"_s << QString() << QString() << 59.9999 << u" 7 Pkt."_s;
        QTest::newRow("edited decimal threshold")
            << u"RadioButton6"_s << u"Edit2"_s << u"84,5"_s << 84.4999 << u" Ü 3"_s;
        QTest::newRow("edited second row")
            << u"RadioButton9"_s << u"Edit15"_s << u"10"_s << 12.0 << u"1 Pkt."_s;
    }
    void gradesFromTheFields() {
        QFETCH(QString, radio);
        QFETCH(QString, edit);
        QFETCH(QString, editText);
        QFETCH(double, percentage);
        QFETCH(QString, grade);
        ProgramFixture f;
        f.start().showMainWindow();
        f.form1().Button7Click();
        TForm3& dialog = *f.program->forms().Form3;
        if (!radio.isEmpty())
            choose(dialog, radio);
        if (!edit.isEmpty())
            dialog.findChild<QLineEdit*>(edit)->setText(editText);
        QCOMPARE(gradeFor(dialog.gradeKey(), percent(percentage), nullptr), grade);
    }

    void shownWithoutBlocking() {
        ProgramFixture f;
        f.start().showMainWindow();
        TForm1& form = f.form1();
        f.press(&form, "Button10");
        f.press(&form, "Button7");
        const TForm3& dialog = *f.program->forms().Form3;
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.isModal());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        // The main window's options stay usable while the dialog is open.
        f.press(&form, "CheckBox12");
        QVERIFY(form.CheckBox12->isChecked());
    }

    void f1OpensTheHelp() {
        ProgramFixture f;
        f.start().showMainWindow();
        f.form1().Button7Click();
        TForm3& dialog = *f.program->forms().Form3;
        QTest::keyClick(dialog.Edit4, Qt::Key_F1);
        QTest::keyClick(dialog.RadioButton3, Qt::Key_F1);
        const QString helpFile = f.programFolder() + u"/Varelo-Hilfe.html"_s;
        QCOMPARE(f.platform.logged(u"shell open: "_s), (QStringList{helpFile, helpFile}));
        // The key never reached the field.
        QCOMPARE(dialog.Edit4->text(), u"62"_s);
    }
};

QTEST_MAIN(TestGradeKeyDialog)
#include "tst_GradeKeyDialog.moc"
