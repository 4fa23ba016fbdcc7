#include "TForm2.h"

#include "app/TForm1.h"
#include "files/GridFile.h"
#include "files/ScrambleText.h"
#include "files/SecondVersion.h"
#include "files/TestLayout.h"
#include "platform/Platform.h"

#include <QFileInfo>

TForm2::TForm2(Platform& platform, Forms& forms, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_forms(forms) {
    setupUi(this);
    connect(Button11, &QPushButton::clicked, this, &TForm2::Button11Click);
    connect(Button12, &QPushButton::clicked, this, &TForm2::Button12Click);
    // Commands of the subsystems.
    connect(Button14, &QPushButton::clicked, this, &TForm2::Button14Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(Button6, &QPushButton::clicked, this, &TForm2::Button6Click);
    connect(Button8, &QPushButton::clicked, this, &TForm2::Button8Click);
    connect(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &TForm2::Button5Click);
    connect(Button10, &QPushButton::clicked, this, &TForm2::Button10Click);
    FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::FormCreate() {
    SaveCounter = 0;
    // The main window, made first, has already reported a missing home folder or a projects
    // folder that could not be made.
    WorkFolder = m_platform.environment().projectsFolder();
}

void TForm2::Button11Click() {
    TaskCount = countTasks(StringGrid1);
}

void TForm2::Button12Click() {
    SaveCounter = 0;
}

// Open, save and the second version.

namespace {

const QString kCaptionPrefix = QStringLiteral("Varelo - Dedorudud Modul - ");

const QString kSecondVersionQuestion = QStringLiteral(
    "Soll ein weiterer Test mit denselben Aufgaben, jedoch in anderer Anordnung\n"
    "generiert werden? Das verhindert das Abschreiben beim Nachbarn effektiv.\n"
    "Ich erstelle immer 2 Tests und ergänze die Dateinamen mit gerader- bzw. ungerader "
    "Rechner.\n"
    "Die Prüflinge öffnen dann nach jeweiliger Rechnernummer unterschiedlich scheinende Test!\n"
    "Schnelles klicken im SchülerInnenmodul, erzeugt durch Suchen der aktuellen Aufgabe des "
    "Nachbarn, \n"
    "erzeugt einen Bluescreen und eine Zwangswartezeit");

} // namespace

void TForm2::showFileInCaption(const QString& path) {
    m_forms.Form1->setWindowTitle(kCaptionPrefix + QFileInfo(path).absoluteFilePath());
}

void TForm2::Button3Click() {
    TForm1& form1 = *m_forms.Form1;
    m_testOpened = false;
    WorkFolder = form1.ProjectFolder;
    FileDialogSpec spec;
    spec.title = QStringLiteral("Öffnen");
    spec.filter = QStringLiteral(".test| *.test");
    spec.defaultExtension = QStringLiteral(".test");
    spec.folder = WorkFolder;
    const QString path = m_platform.dialogs().openFile(&form1, spec);
    if (path.isEmpty())
        return;

    // A damaged or foreign file is refused before anything in memory changes.
    QString error;
    if (!ReadGridFile(StringGrid2, path, &error)) {
        m_platform.dialogs().error(&form1, error);
        return;
    }
    UnscrambleTable(StringGrid2, StringGrid1);
    showFileInCaption(path);

    if (StringGrid1.cell(0, 3) == kColourRed) {
        form1.RadioButton1->setChecked(true);
        form1.RadioButton2->setChecked(false);
    } else {
        form1.RadioButton2->setChecked(true);
        form1.RadioButton1->setChecked(false);
    }
    if (StringGrid1.cell(0, form1.BlockRow + 4) == kTextMark)
        form1.CheckBox14->setChecked(true);
    if (StringGrid1.cell(4, 0) == kSingleMark)
        form1.CheckBox15->setChecked(true);

    WorkFolder = QFileInfo(path).absolutePath();
    form1.ProjectFolder = WorkFolder + u'/';
    form1.provideStudentModule(WorkFolder + u'/' + TForm1::kStudentModuleFile, WorkFolder);
    m_testOpened = true;
}

void TForm2::Button5Click() {
    TForm1& form1 = *m_forms.Form1;
    WorkFolder = form1.ProjectFolder;
    FileDialogSpec spec;
    spec.title = QStringLiteral("Speichern unter");
    spec.filter = QStringLiteral("Varelo im Projektordner speichern| *.test");
    spec.defaultExtension = QStringLiteral(".test");
    spec.folder = WorkFolder;
    spec.confirmOverwrite = true;
    const QString path = m_platform.dialogs().saveFile(&form1, spec);
    if (!path.isEmpty()) {
        ScrambleTable(StringGrid1, StringGrid2);
        // The first save since start or since a task was recorded is always the A version.
        if (SaveCounter < 1)
            StringGrid2.setCell(0, 3,
                                ScrambleText(kColourYellow, FileKey, ScrambleDirection::Scramble));
        QString error;
        if (WriteGridFile(StringGrid2, path, &error)) {
            showFileInCaption(path);
            ++SaveCounter;
        } else {
            // The previous file is still whole; the work in memory is not saved.
            form1.ChangesSaved = 0;
            m_platform.dialogs().error(
                &form1, QStringLiteral("Der Test wurde nicht gespeichert.\n") + error);
        }
    }
    if (SaveCounter == 1 && m_platform.dialogs().question(&form1, kSecondVersionQuestion))
        Button10Click();
}

void TForm2::Button10Click() {
    TForm1& form1 = *m_forms.Form1;
    Button11Click();
    if (TaskCount < 1) {
        m_platform.dialogs().message(
            &form1, QStringLiteral("Der Test enthält noch keine Aufgabe. Eine zweite Version mit "
                                   "anderer Reihenfolge gibt es erst, wenn Aufgaben "
                                   "aufgenommen sind."));
        return;
    }
    // Milliseconds since midnight in UTC; a test fixes the clock to fix the order.
    const quint32 seed = quint32(m_platform.clock().now().toUTC().time().msecsSinceStartOfDay());
    buildSecondVersion(StringGrid1, StringGrid4, TaskCount, form1.CheckBox15->isChecked(), seed);
    // The editor must not keep showing an A task: recording it would overwrite the B task of
    // that block.
    form1.showStoredTask();
    WorkFolder = form1.ProjectFolder;
    form1.ChangesSaved = 1;
    Button5Click();
}
