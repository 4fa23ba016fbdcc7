#include "ProgramFixture.h"
#include "files/TForm2.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

QStringList visibleOf(const QWidget* window, const QStringList& names) {
    QStringList result;
    for (const QString& name : names) {
        const auto* widget = window->findChild<QWidget*>(name);
        if (!widget)
            result << u"missing "_s + name;
        else if (widget->isVisible())
            result << name;
    }
    return result;
}

const QStringList kPageControls = {
    u"Panel1"_s,     u"Panel2"_s,     u"Panel5"_s,       u"Panel6"_s,       u"Panel7"_s,
    u"Panel8"_s,     u"Button1"_s,    u"Button2"_s,      u"Button3"_s,      u"Button4"_s,
    u"Button6"_s,    u"Button7"_s,    u"Button8"_s,      u"Button9"_s,      u"Button10"_s,
    u"Button12"_s,   u"Button13"_s,   u"Button14"_s,     u"Button16"_s,     u"Button18"_s,
    u"Button19"_s,   u"Button25"_s,   u"Button26"_s,     u"Button27"_s,     u"BitBtn1"_s,
    u"BitBtn2"_s,    u"CheckBox1"_s,  u"CheckBox5"_s,    u"CheckBox11"_s,   u"CheckBox12"_s,
    u"CheckBox13"_s, u"CheckBox15"_s, u"RadioButton1"_s, u"RadioButton2"_s, u"Edit1"_s};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void startPage() {
        ProgramFixture f;
        f.start().showMainWindow();
        TForm1& form = f.form1();
        QCOMPARE(form.windowTitle(), u"Varelo - Dedorudud Modul "_s);
        QCOMPARE(form.size(), QSize(1354, 733));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.pos(), QPoint(6, 17));
        QCOMPARE(form.StatusPanel0->text(), QString());
        QCOMPARE(form.BlockRow, 1);
        QCOMPARE(form.TaskNumber, 1);
        QCOMPARE(form.ChangesSaved, 1);
        QCOMPARE(visibleOf(&form, kPageControls),
                 (QStringList{u"Panel1"_s, u"Button1"_s, u"Button6"_s, u"Button9"_s, u"Button10"_s,
                              u"Edit1"_s}));
        QVERIFY(f.platform.log.isEmpty());
        QVERIFY(!form.Image1->pixmap().isNull());
    }

    void pages_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("visible");
        QTest::newRow("MC erstellen")
            << u"Button9"_s
            << QStringList{u"Panel5"_s,   u"Button1"_s,  u"Button6"_s,    u"Button12"_s,
                           u"Button18"_s, u"Button19"_s, u"Button25"_s,   u"Button26"_s,
                           u"BitBtn1"_s,  u"BitBtn2"_s,  u"CheckBox15"_s, u"Edit1"_s};
        QTest::newRow("MC auswerten")
            << u"Button10"_s
            << QStringList{u"Panel1"_s,     u"Panel6"_s,     u"Panel7"_s,     u"Panel8"_s,
                           u"Button1"_s,    u"Button6"_s,    u"Button7"_s,    u"Button27"_s,
                           u"BitBtn1"_s,    u"CheckBox1"_s,  u"CheckBox5"_s,  u"CheckBox11"_s,
                           u"CheckBox12"_s, u"CheckBox13"_s, u"CheckBox15"_s, u"Edit1"_s};
    }
    void pages() {
        QFETCH(QString, button);
        QFETCH(QStringList, visible);
        ProgramFixture f;
        f.start().showMainWindow();
        TForm1& form = f.form1();
        f.press(&form, button.toLatin1().constData());
        QCOMPARE(visibleOf(&form, kPageControls), visible);
        if (button == u"Button9"_s)
            QVERIFY(!form.Button25->isEnabled());
        else
            QVERIFY(!form.CheckBox1->isEnabled());
        QCOMPARE(form.CheckBox11->isChecked(), true);
    }

    void editorPageFocusesTheQuestion() {
        ProgramFixture f;
        f.start().showMainWindow();
        f.form1().activateWindow();
        f.press(&f.form1(), "Button9");
        QVERIFY(QTest::qWaitFor([&] { return f.form1().Edit1->hasFocus(); }, 1000));
    }

    void screens_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("warned");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("1366x768") << QSize(1366, 768) << 96 << false << 100 << false;
        QTest::newRow("1024x600") << QSize(1024, 600) << 96 << true << 75 << false;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 96 << false << 129 << false;
        QTest::newRow("narrow at 120 dpi") << QSize(1280, 800) << 120 << false << 100 << true;
        QTest::newRow("1280x719") << QSize(1280, 719) << 96 << true << 94 << false;
    }
    void screens() {
        QFETCH(QSize, screen);
        QFETCH(int, dpi);
        QFETCH(bool, warned);
        QFETCH(int, percent);
        QFETCH(bool, maximised);
        ProgramFixture f;
        f.platform.fixedScreen().screenSize = screen;
        f.platform.fixedScreen().dpi = dpi;
        f.start();
        TForm1& form = f.form1();
        const QStringList messages = f.platform.logged(u"message: "_s);
        QCOMPARE(messages.size(), warned ? 1 : 0);
        if (warned)
            QVERIFY(messages.first().startsWith(
                u"Sorry, \n die optimale Auflösung ist bei 1920 x 1080 Bildpunkten.\n"_s));
        QCOMPARE(qRound(form.scaleFactor() * 100), percent);
        QCOMPARE(form.startsMaximised(), maximised);
        const double geometry = percent / 100.0 * dpi / 96.0;
        QCOMPARE(form.Edit1->geometry(), QRect(qRound(70 * geometry), qRound(52 * geometry),
                                               qRound(880 * geometry), qRound(40 * geometry)));
        QCOMPARE(form.Edit1->font().pointSizeF(), 14 * percent / 100.0);
        if (!maximised)
            QCOMPARE(form.width(), qRound(1354 * geometry));
    }

    void projectsFolderIsCreated() {
        ProgramFixture f;
        f.start();
        QCOMPARE(f.form1().ProjectFolder, f.projects());
        QVERIFY(QFileInfo(f.projects()).isDir());
        QCOMPARE(f.program->forms().Form2->WorkFolder, f.projects());
        QVERIFY(f.platform.log.isEmpty());
    }

    void windowsHomeIsPreferred() {
        ProgramFixture f;
        QDir().mkpath(f.temp.path() + u"/C/Users/lehrer"_s);
        f.platform.scriptedEnvironment().variables.insert(u"HomeDrive"_s, f.temp.path());
        f.platform.scriptedEnvironment().variables.insert(u"HOMEPATH"_s, u"/C/Users/lehrer"_s);
        f.start();
        QCOMPARE(f.form1().ProjectFolder, f.temp.path() + u"/C/Users/lehrer/Varelo"_s);
        QVERIFY(QFileInfo(f.form1().ProjectFolder).isDir());
    }

    void homeMissing() {
        ProgramFixture f;
        f.platform.scriptedEnvironment().variables.clear();
        f.start().showMainWindow();
        QCOMPARE(f.form1().ProjectFolder, QString());
        QCOMPARE(f.platform.logged(u"error: "_s).size(), 1);
        QVERIFY(f.form1().isVisible());
    }

    void projectsFolderCannotBeCreated() {
        // The home folder itself is missing, and only one level is ever created.
        ProgramFixture f;
        const QString home = f.temp.path() + u"/fehlt"_s;
        f.platform.scriptedEnvironment().variables.insert(u"HOME"_s, home);
        f.start().showMainWindow();
        const QStringList errors = f.platform.logged(u"error: "_s);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().contains(home + u"/Varelo"_s));
        QVERIFY(!QFileInfo::exists(home));
        QVERIFY(f.form1().isVisible());
    }

    void helpIsWrittenOnceAndOpenedEachTime() {
        ProgramFixture f;
        f.start().showMainWindow();
        const QString helpFile = f.programFolder() + u"/Varelo-Hilfe.html"_s;
        QTest::keyClick(f.form1().Edit1, Qt::Key_F1);
        QVERIFY(QFileInfo(helpFile).size() > 1000);
        QFile file(helpFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("meine eigene Hilfe");
        file.close();
        f.press(&f.form1(), "Button6");
        QCOMPARE(f.platform.logged(u"shell open: "_s), (QStringList{helpFile, helpFile}));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("meine eigene Hilfe"));
        QVERIFY(f.platform.logged(u"message: "_s).isEmpty());
    }

    void helpFallsBackToTheUserFolder() {
        // A file where the program folder should be makes that folder unwritable, for root too.
        ProgramFixture f;
        QFile blocker(f.temp.path() + u"/datei"_s);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString userFolder = f.temp.path() + u"/daten"_s;
        f.platform.folderHelp().helpFolders = {blocker.fileName() + u"/programm"_s, userFolder};
        f.start();
        f.form1().FormKeyDown(Qt::Key_F1);
        QCOMPARE(f.platform.logged(u"shell open: "_s),
                 QStringList{userFolder + u"/Varelo-Hilfe.html"_s});
    }

    void helpThatCannotBeWritten() {
        ProgramFixture f;
        f.platform.folderHelp().helpFolders = {f.temp.path() + u"/datei/ordner"_s};
        QFile blocker(f.temp.path() + u"/datei"_s);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f.start();
        f.form1().Button6Click();
        QCOMPARE(f.platform.logged(u"message: "_s),
                 QStringList{u"Hilfedatei konnte nicht geladen werden !"_s});
        QVERIFY(f.platform.logged(u"shell open: "_s).isEmpty());
    }

    void clock() {
        ProgramFixture f;
        f.platform.fixedClock().time = QDateTime(QDate(2026, 12, 11), QTime(8, 5, 30));
        f.start();
        f.form1().Timer1Timer();
        QCOMPARE(f.form1().StatusPanel1->text(), u"08:05 Uhr   "_s);
    }

    void blueInfoShowsAndHidesTheExplanation() {
        ProgramFixture f;
        f.start().showMainWindow();
        TForm1& form = f.form1();
        f.press(&form, "Button9");
        QVERIFY(!form.Memo1->isVisible());
        f.press(&form, "BitBtn1");
        QVERIFY(form.Memo1->isVisible());
        QVERIFY(form.Memo1->toPlainText().startsWith(u"   Single- oder Multiple-Choice?"_s));
        QVERIFY(form.Memo1->toPlainText().endsWith(
            u"   Zum Schließen dieser Erklärung nochmal auf das blaue i tippen!"_s));
        f.press(&form, "BitBtn1");
        QVERIFY(!form.Memo1->isVisible());
    }

    void closingRightAfterStartAsksNothing() {
        ProgramFixture f;
        f.start().showMainWindow();
        QSignalSpy closed(&f.form1(), &TForm1::closed);
        f.press(&f.form1(), "Button1");
        QCOMPARE(closed.size(), 1);
        QVERIFY(f.platform.log.isEmpty());
    }

    void closingAfterAChangeAsksOnce_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Nein") << false;
        QTest::newRow("Ja") << true;
    }
    void closingAfterAChangeAsksOnce() {
        QFETCH(bool, yes);
        ProgramFixture f;
        f.platform.script().answers = {yes};
        f.start().showMainWindow();
        TForm1& form = f.form1();
        form.ChangesSaved = 0;
        form.CheckBox15->setChecked(true);
        form.CheckBox7->setChecked(true);
        QSignalSpy closed(&form, &TForm1::closed);
        QVERIFY(form.close());
        QCOMPARE(closed.size(), 1);
        QCOMPARE(f.platform.logged(u"question: "_s),
                 QStringList{yes ? u"Änderungen speichern? -> Ja"_s
                                 : u"Änderungen speichern? -> Nein"_s});
        QCOMPARE(form.ChangesSaved, yes ? 1 : 0);
        // "Ja" runs "speichern", which writes the single-choice mark and clears the ticks.
        QCOMPARE(f.program->forms().Form2->StringGrid1.cell(4, 0),
                 yes ? QByteArray("Single") : QByteArray());
        QCOMPARE(form.CheckBox7->isChecked(), !yes);
    }

    void closingStaysOpenWhenTheSaveFails() {
        ProgramFixture f;
        QFile blocker(f.temp.path() + u"/datei"_s);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f.platform.script().answers = {true};
        f.platform.script().files = {blocker.fileName() + u"/test.test"_s};
        f.start().showMainWindow();
        TForm1& form = f.form1();
        form.ChangesSaved = 0;
        QSignalSpy closed(&form, &TForm1::closed);
        QVERIFY(!form.close());
        QCOMPARE(closed.size(), 0);
        QCOMPARE(f.platform.logged(u"error: "_s).size(), 1);
        QCOMPARE(form.ChangesSaved, 0);
        QVERIFY(form.isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
