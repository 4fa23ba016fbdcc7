#include "TForm1.h"

#include "app/KeyPreview.h"
#include "app/ScreenScaling.h"
#include "app/WidgetScaling.h"
#include "files/SaveFile.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int kDesignWidth = 1354;
constexpr int kDesignHeight = 733;
constexpr int kDesignClientHeight = 711;

const QString kHelpFileName = u"Varelo-Hilfe.html"_s;

const QString kScoringExplanation =
    u"   Single- oder Multiple-Choice?\n"
    u"\n"
    u"In einem Single-Choice-Test ist immer nur eine Antwort richtig. Eine Frage bringt dann "
    u"höchstens einen Punkt oder keinen.\n"
    u"\n"
    u"In einem Multiple-Choice-Test werden die Fehlerpunkte von der Anzahl der "
    u"Antwortmöglichkeiten abgezogen; das ergibt die Punktzahl der Frage. Gibt es mehr falsche "
    u"als richtige Antworten, ist die Punktzahl 0. Negative Punktzahlen gibt es nicht.\n"
    u"\n"
    u"Dieses Programm ist ein Multiple-Choice-Programm und bewertet nach diesem Modell. Richtige "
    u"und falsche Antworten sollten sich deshalb die Waage halten, sonst wird eine 3 oder besser "
    u"erreicht, ohne dass ein einziger Haken gesetzt wurde. Zu viele Scherzantworten oder sehr "
    u"leichte Antworten verschieben die Ergebnisse zu besseren Noten hin.\n"
    u"\n"
    u"Wem es schwerfällt, fünf gleichwertige Antworten anzubieten, der wählt besser einen "
    u"Single-Choice-Test, indem er die Option \u201ESingle Choice\u201C anhakt.\n"
    u"\n"
    u"   Zum Schließen dieser Erklärung nochmal auf das blaue i tippen!"_s;

QPixmap renderSvg(const QString& resource, const QSize& size) {
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

void setVisibleAll(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* widget : widgets)
        widget->setVisible(visible);
}

TForm1::TForm1(Platform& platform, Forms& forms, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_forms(forms) {
    setupUi(this);
    StatusPanel0 = new QLabel(StatusBar1);
    StatusPanel0->setObjectName(u"StatusPanel0"_s);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel1->setObjectName(u"StatusPanel1"_s);
    StatusPanel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addPermanentWidget(StatusPanel1, 1);
    Memo1->setPlainText(kScoringExplanation);
    Panel5->setStyleSheet(u"#Panel5 { background-color: rgb(233, 241, 250); }"_s);
    BitBtn1->setIcon(QIcon(u":/images/info.svg"_s));
    BitBtn2->setIcon(QIcon(u":/images/pfeil_rechts.svg"_s));
    BitBtn2->setLayoutDirection(Qt::RightToLeft);

    connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    // Commands of the subsystems.
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button12, &QPushButton::clicked, this, &TForm1::Button12Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::Button12Click);
    connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    connect(Button25, &QPushButton::clicked, this, &TForm1::Button25Click);
    connect(Button26, &QPushButton::clicked, this, &TForm1::Button26Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button14, &QPushButton::clicked, this, &TForm1::Button14Click);
    // The tick and text rules run on every change of a box, also when showing a task sets it.
    connect(CheckBox6, &QCheckBox::toggled, this, &TForm1::CheckBox6Click);
    connect(CheckBox7, &QCheckBox::toggled, this, &TForm1::CheckBox7Click);
    connect(CheckBox8, &QCheckBox::toggled, this, &TForm1::CheckBox8Click);
    connect(CheckBox9, &QCheckBox::toggled, this, &TForm1::CheckBox9Click);
    connect(CheckBox10, &QCheckBox::toggled, this, &TForm1::CheckBox10Click);
    connect(CheckBox14, &QCheckBox::toggled, this, &TForm1::CheckBox14Click);
    setUpTaskFields();
    connect(Button22, &QPushButton::clicked, this, &TForm1::Button22Click);
    connect(Button23, &QPushButton::clicked, this, &TForm1::Button23Click);
    connect(Button17, &QPushButton::clicked, this, &TForm1::Button17Click);
    connect(Button24, &QPushButton::clicked, this, &TForm1::Button24Click);

    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &TForm1::Timer1Timer);
    m_clock->start();

    new KeyPreview(this, [this](int key) {
        FormKeyDown(key);
        return key == Qt::Key_F1;
    });
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    // Design size of the client area below the title bar, status bar excluded.
    Panel1->setGeometry(0, 0, kDesignWidth, Panel1->height());
    Image1->setGeometry(0, 0, kDesignWidth, Panel1->height());
    Panel5->setGeometry(0, 0, kDesignWidth, kDesignClientHeight);
    scaleToScreen();
    setPictures();

    BlockRow = 1;
    ResultListRow = 0;
    TaskNumber = 1;
    ChangesSaved = 1;
    createProjectsFolder();
}

void TForm1::scaleToScreen() {
    const QSize screen = m_platform.screen().size();
    const int dpi = m_platform.screen().pixelsPerInch();
    if (screen.height() < kMinimumScreenHeight) {
        m_platform.dialogs().message(
            this, u"Sorry, \n die optimale Auflösung ist bei 1920 x 1080 Bildpunkten.\n"
                  u"Bei der aktuellen Auflösung kann es zu Beeinträchtigungen in der Darstellung "
                  u"kommen,\ndie Funktionen des Programms sind jedoch voll verfügbar."_s);
    }
    const ScreenScaling scaling = screenScaling(screen.width(), dpi - 96);
    m_maximised = scaling.maximised;
    m_scale = scaling.percent / 100.0;
    // Fonts follow the pixel density by themselves; positions and sizes are designed at 96.
    const double geometry = m_scale * dpi / 96.0;
    scaleWidgetTree(centralwidget, geometry, m_scale);
    QFont statusFont = StatusBar1->font();
    statusFont.setPointSizeF(statusFont.pointSizeF() * m_scale);
    StatusBar1->setFont(statusFont);
    StatusPanel0->setFixedWidth(int(1100 * geometry + 0.5));
    // The tick boxes grow with the answer fields they stand beside.
    const int tick = int(22 * geometry + 0.5);
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6,
                           CheckBox7, CheckBox8, CheckBox9, CheckBox10})
        box->setStyleSheet(u"QCheckBox::indicator { width: %1px; height: %1px; }"_s.arg(tick));

    const QSize size(int(kDesignWidth * geometry + 0.5), int(kDesignHeight * geometry + 0.5));
    if (m_maximised) {
        resize(size);
    } else {
        setFixedSize(size);
        move((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
    }
}

void TForm1::setPictures() {
    Image1->setPixmap(renderSvg(u":/images/titel.svg"_s, Image1->size()));
    Image2->setPixmap(renderSvg(u":/images/hintergrund.svg"_s, Image2->size()));
}

void TForm1::createProjectsFolder() {
    const QString folder = m_platform.environment().projectsFolder();
    if (folder.isEmpty()) {
        m_platform.dialogs().error(
            this, u"Ein Aufruf einer Betriebssystemfunktion ist fehlgeschlagen: Der Heimordner "
                  u"ist nicht bekannt (weder HOMEDRIVE und HOMEPATH noch HOME sind gesetzt)."_s);
        return;
    }
    ProjectFolder = folder;
    if (!QFileInfo(ProjectFolder).isDir() && !QDir().mkdir(ProjectFolder)) {
        m_platform.dialogs().error(
            this, u"Ein-/Ausgabefehler: Der Ordner %1 konnte nicht angelegt werden."_s.arg(
                      ProjectFolder));
    }
}

void TForm1::Button9Click() {
    setVisibleAll(
        {Panel5, Button12, BitBtn2, Button18, Button19, Button25, Button26, BitBtn1, CheckBox15},
        true);
    Button25->setEnabled(false);
    setVisibleAll({RadioButton1, RadioButton2, Panel2, Panel1, Button4, Button7, CheckBox11,
                   Button9, Button10, Button14},
                  false);
    Panel5->raise();
    Edit1->setFocus();
}

void TForm1::Button10Click() {
    setVisibleAll({Panel6, CheckBox11, Panel7, CheckBox12, Panel8, CheckBox13, Panel1, Button7,
                   Button27, CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, BitBtn1,
                   CheckBox15},
                  true);
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5})
        box->setEnabled(false);
    setVisibleAll({Button2, Button3, Button8, Button9, Button10, Button13, Button16, Button14,
                   Button18, Button19},
                  false);
}

void TForm1::Button6Click() {
    openHelpFile();
}

void TForm1::Button1Click() {
    close();
}

void TForm1::BitBtn1Click() {
    if (Memo1->isHidden()) {
        Memo1->show();
        Memo1->raise();
    } else {
        Memo1->hide();
    }
}

void TForm1::FormKeyDown(int key) {
    if (key == Qt::Key_F1)
        openHelpFile();
}

void TForm1::openHelpFile() {
    QString path;
    const QStringList folders = m_platform.help().folders();
    for (const QString& folder : folders) {
        const QString candidate = folder + u'/' + kHelpFileName;
        if (QFileInfo::exists(candidate)) {
            path = candidate;
            break;
        }
        QFile resource(u":/help/Varelo-Hilfe.html"_s);
        if (!resource.open(QIODevice::ReadOnly))
            break;
        if (QDir().mkpath(folder) && saveFileAtomically(candidate, resource.readAll(), nullptr)) {
            path = candidate;
            break;
        }
    }
    if (path.isEmpty() || !m_platform.shell().open(path))
        m_platform.dialogs().message(this, u"Hilfedatei konnte nicht geladen werden !"_s);
}

void TForm1::Timer1Timer() {
    StatusPanel1->setText(
        QLocale().toString(m_platform.clock().now().time(), QLocale::ShortFormat) + u" Uhr   "_s);
}

bool TForm1::FormCloseQuery() {
    if (ChangesSaved == 1)
        return true;
    if (m_platform.dialogs().question(this, u"Änderungen speichern?"_s)) {
        ChangesSaved = 1;
        Button3Click();
        // A save that failed has told the teacher why; the window stays open so that the
        // tasks are not lost.
        return ChangesSaved == 1;
    }
    return true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT closed();
}
