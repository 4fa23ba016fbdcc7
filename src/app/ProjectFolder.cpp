// The project choice: a new project folder or an existing test, the student program in the
// folder, and the folder shown in the file manager.
#include "app/TForm1.h"

#include "files/SaveFile.h"
#include "files/TForm2.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

// The working folder first; a program started from its menu entry has its home as working
// folder, so the copy shipped beside the program is the next place to look.
QString studentModuleSource() {
    for (const QString& folder : {QDir::currentPath(), QCoreApplication::applicationDirPath()}) {
        const QString candidate = folder + u'/' + TForm1::kStudentModuleFile;
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

} // namespace

void TForm1::provideStudentModule(const QString& target, const QString& folderShown) {
    if (QFileInfo::exists(target))
        return;
    const QString source = studentModuleSource();
    if (source.isEmpty()) {
        m_platform.dialogs().message(
            this, u"Ich kann das Schüler/-innenmodul Dozove_voro nicht finden. Kopiere es bitte "
                  u"selbst in den Projektordner: "_s +
                      folderShown);
        return;
    }
    // A copy that fails leaves the folder without the student program, as before.
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return;
    if (saveFileAtomically(target, file.readAll(), nullptr))
        QFile::setPermissions(target, file.permissions());
}

void TForm1::showProjectFolder() {
    StatusPanel0->setText(u"Aktueller Projektordner: "_s + ProjectFolder);
}

void TForm1::Button22Click() {
    const QString name = m_platform.dialogs().inputBox(
        this, u"Eingabedialog"_s, u"Wie soll der Projektordner heißen?"_s, u"Test_1"_s);
    const QString projects = ProjectFolder;
    const QString folder = projects + u'/' + name;
    if (QFileInfo(folder).isDir()) {
        ProjectFolder = projects + u'/' + name + u'/';
        m_platform.dialogs().message(
            this, u"Der Ordner existiert schon!\n"
                  u"Du kannst ihn weiterhin benutzen und mit dem Projekt fortfahren\n"
                  u"Für einen neuen Test eignet sich ein jedoch neuer Projektordner besser.\n"
                  u"In den Projektordner gehören alle Mediendateien, das Schüler/-innenmodul "
                  u"und die Testdatei!"_s);
    } else {
        if (!QDir().mkdir(folder)) {
            m_platform.dialogs().error(
                this,
                u"Ein-/Ausgabefehler: Der Ordner %1 konnte nicht angelegt werden."_s.arg(folder));
            return;
        }
        ProjectFolder = projects + u'/' + name + u'/';
    }
    provideStudentModule(ProjectFolder + kStudentModuleFile, ProjectFolder);
    setVisibleAll({Button24, Button4}, true);
    Panel5->hide();
    showProjectFolder();
}

void TForm1::Button23Click() {
    Button17Click();
}

void TForm1::Button17Click() {
    setVisibleAll({Panel5, Button14}, false);
    Button14Click();
    if (!m_forms.Form2->testOpened()) {
        // No test chosen: the teacher stays at the choice.
        Panel5->show();
        Panel5->raise();
        return;
    }
    showProjectFolder();
    Button24->show();
    // The open command has already tried once; the teacher hears of a missing module twice.
    provideStudentModule(ProjectFolder + kStudentModuleFile, ProjectFolder);
}

void TForm1::Button24Click() {
    if (!m_platform.shell().explore(ProjectFolder, ProjectFolder))
        m_platform.dialogs().message(
            this,
            u"Der Projektordner kann nicht im Dateimanager gezeigt werden: "_s + ProjectFolder);
}
