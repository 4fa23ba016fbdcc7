#include "app/TForm1.h"
#include "evaluation/EvaluationFolder.h"
#include "evaluation/FeedbackPage.h"
#include "evaluation/GradeKey.h"
#include "evaluation/ResultList.h"
#include "evaluation/Scoring.h"
#include "evaluation/TForm3.h"
#include "files/Cp1252.h"
#include "files/GridFile.h"
#include "files/ScrambleText.h"
#include "files/TForm2.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Each answer file moves the bar by this much.
constexpr int kProgressStep = 5;
// A longer list of left-out files would not fit in a message box.
constexpr int kListedSkippedFiles = 20;

QString inFolder(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

void reportSkippedFiles(Dialogs& dialogs, QWidget* parent, const QStringList& reasons) {
    if (reasons.isEmpty())
        return;
    QString text = u"Diese Dateien wurden nicht ausgewertet und liegen weiter im gewählten "
                   u"Ordner:"_s;
    for (qsizetype i = 0; i < reasons.size() && i < kListedSkippedFiles; ++i)
        text += u'\n' + reasons.at(i);
    if (reasons.size() > kListedSkippedFiles)
        text += u"\n... und %1 weitere."_s.arg(reasons.size() - kListedSkippedFiles);
    dialogs.message(parent, text);
}

} // namespace

void TForm2::Button14Click() {
    TForm1& main = *m_forms.Form1;
    Dialogs& dialogs = m_platform.dialogs();

    // A threshold that is no number would stop the run halfway, with files already moved.
    const GradeKeyFields key = m_forms.Form3->gradeKey();
    int badField = 0;
    if (!validateGradeKey(key, &badField)) {
        dialogs.message(&main, invalidThresholdMessage(key, badField));
        m_forms.Form3->show();
        m_forms.Form3->raise();
        m_forms.Form3->activateWindow();
        return;
    }

    FileDialogSpec spec;
    spec.title = u"Wähle alle Testdateien auf einmal!"_s;
    spec.filter = u".done| *.done"_s;
    spec.defaultExtension = u".done"_s;
    spec.folder = WorkFolder;
    const QStringList files = dialogs.openFiles(&main, spec);
    if (files.isEmpty())
        return;
    WorkFolder = QFileInfo(files.first()).absolutePath() + u'/';

    for (const QString& list : {u"Ergebnisliste.doc"_s, u"Ergebnisliste.html"_s}) {
        if (QFileInfo::exists(WorkFolder + list) &&
            !dialogs.question(&main, u"Diese Dateien scheinen schon mal ausgewertet zu sein.\n"
                                     u"Wenn ich weitermache entstehen verschachtelte Ordner"_s))
            return;
    }

    const QDate today = m_platform.clock().now().date();
    const QString folder =
        WorkFolder + evaluationFolderName(nextEvaluationNumber(WorkFolder, today), today);
    // Without the folder no file could be moved and no page written; nothing is touched yet.
    if (!QDir().mkpath(folder)) {
        dialogs.error(&main, u"Der Ordner %1 konnte nicht angelegt werden."_s.arg(folder));
        return;
    }
    EvaluationFolder = folder;
    WorkFolder = EvaluationFolder;
    main.ResultListRow = 0;
    // Nobody of a large class is left without a row.
    if (StringGrid3.rowCount() < files.size())
        StringGrid3.setRowCount(int(files.size()));

    main.ProgressBar1->setValue(0);
    QStringList skipped;
    for (const QString& path : files) {
        const bool appearing = main.Panel2->isHidden();
        main.Panel2->show();
        main.ProgressBar1->setMaximum(kProgressStep * int(files.size()));
        // The bar repaints itself at once whenever a step shows. The loop lets no event
        // through, so the window is painted here as the panel appears, which also clears
        // what the closed file dialog left on the screen.
        main.ProgressBar1->setValue(main.ProgressBar1->value() + kProgressStep);
        if (appearing)
            main.repaint();
        if (!evaluateAnswerFile(path, key, skipped)) {
            main.Panel2->hide();
            main.ProgressBar1->setValue(0);
            reportSkippedFiles(dialogs, &main, skipped);
            return;
        }
    }
    main.Panel2->hide();
    main.ProgressBar1->setValue(0);
    reportSkippedFiles(dialogs, &main, skipped);
    Button2Click();
}

bool TForm2::evaluateAnswerFile(const QString& path, const GradeKeyFields& key,
                                QStringList& skipped) {
    TForm1& main = *m_forms.Form1;
    const QString studentName = QFileInfo(path).completeBaseName();

    StringGrid2.clear();
    StringGrid1.clear();
    StringGrid4.clear();
    QString error;
    // A file that cannot be read or lacks its end stays where it is and gets no score from
    // empty tables; the teacher hears about it at the end of the batch.
    if (!ReadGridFile(StringGrid2, path, &error)) {
        skipped << error;
        return true;
    }
    UnscrambleTable(StringGrid2, StringGrid1);
    if (findEndMarker(StringGrid1) < 0) {
        skipped << u"Die Datei %1 hat kein Testende und ist wohl unvollständig oder beschädigt."_s
                       .arg(path);
        return true;
    }
    QFile::rename(path, inFolder(EvaluationFolder, studentName + u".done"_s));

    const bool singleChoice = isSingleChoice(StringGrid1);
    main.CheckBox15->setChecked(singleChoice);
    const Score score = scoreAnswerTable(StringGrid1, taskCountOf(StringGrid1));
    const std::optional<qint64> percent = percentTenThousandths(score.points, score.maximum);
    // Without a single countable answer there is no percentage and so no grade.
    const QString grade =
        percent ? gradeFor(key, *percent, nullptr).value_or(QString()) : QString();

    const int row = main.ResultListRow;
    if (row >= StringGrid3.rowCount())
        StringGrid3.setRowCount(row + 1);
    StringGrid3.setCell(0, row, Cp1252::fromUnicode(studentName));
    StringGrid3.setCell(1, row, scoreText(score));
    StringGrid3.setCell(2, row, Cp1252::fromUnicode(grade));
    main.ResultListRow = row + 1;

    if (!main.CheckBox11->isChecked()) {
        m_platform.dialogs().message(&main, u"kann Datei nicht erstellen"_s);
        return true;
    }
    FeedbackInfo info;
    info.studentName = studentName;
    info.points = score.points;
    info.maximum = score.maximum;
    info.percent = percent;
    info.singleChoice = singleChoice;
    info.gradeText = grade;
    if (!saveFeedbackPage(inFolder(EvaluationFolder, feedbackFileName(studentName)), StringGrid1,
                          info, &error)) {
        m_platform.dialogs().error(&main, error);
        return false;
    }
    return true;
}

void TForm2::Button2Click() {
    TForm1& main = *m_forms.Form1;
    Dialogs& dialogs = m_platform.dialogs();
    Shell& shell = m_platform.shell();

    // Without an evaluation in this run the list goes where answer files would be chosen.
    const QString folder = EvaluationFolder.isEmpty() ? WorkFolder : EvaluationFolder;
    if (folder.isEmpty()) {
        dialogs.error(&main, u"Es gibt keinen Ordner, in dem die Ergebnisliste gespeichert "
                             u"werden könnte."_s);
        return;
    }
    const QString path =
        inFolder(folder, shell.hasApplicationFor(u".doc"_s) ? u"Ergebnisliste.doc"_s
                                                            : u"Ergebnisliste.html"_s);
    QString error;
    if (!saveResultList(path, StringGrid3, m_forms.Form3->gradeKey(),
                        m_platform.clock().now().date(), &error)) {
        dialogs.error(&main, error);
        return;
    }
    main.ChangesSaved = 1;

    if (main.CheckBox12->isChecked())
        shell.print(path);
    if (main.CheckBox13->isChecked() && !shell.open(path))
        dialogs.message(&main, u"Es ist ein Fehler aufgetreten, speichere als *.html"_s);

    StringGrid3.clear();
    main.ResultListRow = 0;
    main.hide();
    if (dialogs.question(nullptr, u"Auswertung erfolgt! Soll ich den Ordner öffnen?"_s))
        shell.explore(folder, QString());
    // Every evaluation ends the program; nothing is left to save.
    main.close();
}
