// Evaluates a class of generated answer files through the real command and sets the time
// beside a plain read of the same files and a plain write of as many bytes as it wrote.
//
//   EvaluationBench [files] [tasks]     (defaults: 1000 files of a 50-task test)

#include "app/Program.h"
#include "app/TForm1.h"
#include "authoring/StringGrid.h"
#include "evaluation/TForm3.h"
#include "files/GridFile.h"
#include "files/SaveFile.h"
#include "files/ScrambleText.h"
#include "files/TForm2.h"
#include "platform/RecordingPlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A student's answer table: every task with five answers, some right, some ticked.
StringGrid answerTable(int tasks, QRandomGenerator& random) {
    StringGrid table(5, 1201);
    for (int k = 1; k <= tasks; ++k) {
        const int r = 6 * (k - 1) + 1;
        table.setCell(1, r,
                      "Aufgabe " + QByteArray::number(k) + ": Welche Aussagen über " +
                          "die Photosynthese sind richtig?");
        for (int i = 1; i <= 5; ++i) {
            table.setCell(1, r + i,
                          "Antwort " + QByteArray::number(i) + " mit etwas längerem Text");
            table.setCell(2, r + i, random.bounded(2) ? "wahr" : "falsch");
            table.setCell(3, r + i, random.bounded(2) ? "wahr" : "falsch");
        }
    }
    table.setCell(1, 6 * tasks + 1, "Testende!");
    return table;
}

QStringList writeClass(const QString& folder, int files, int tasks) {
    QRandomGenerator random(4711);
    QStringList paths;
    for (int n = 1; n <= files; ++n) {
        const StringGrid plain = answerTable(tasks, random);
        StringGrid scrambled(5, 1201);
        ScrambleTable(plain, scrambled);
        const QString path = folder + u"/Schüler %1.done"_s.arg(n, 4, 10, QChar(u'0'));
        QString error;
        if (!WriteGridFile(scrambled, path, &error))
            qFatal("%s", qPrintable(error));
        paths << path;
    }
    return paths;
}

qint64 bytesIn(const QString& folder, const QString& pattern) {
    qint64 total = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList({pattern}, QDir::Files);
    for (const QFileInfo& entry : entries)
        total += entry.size();
    return total;
}

double seconds(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int fileCount = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    const int tasks = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 50;

    QTemporaryDir temp;
    const QString klasse = temp.path() + u"/klasse"_s;
    QDir().mkpath(klasse);
    QDir().mkpath(temp.path() + u"/home"_s);
    const QStringList files = writeClass(klasse, fileCount, tasks);
    const qint64 readBytes = bytesIn(klasse, u"*.done"_s);

    RecordingPlatform platform;
    platform.scriptedEnvironment().variables.insert(u"HOME"_s, temp.path() + u"/home"_s);
    platform.folderHelp().helpFolders = {temp.path() + u"/programm"_s};
    platform.script().fileSelections << files;
    Program program(platform);
    program.showMainWindow();
    TForm1& main = *program.forms().Form1;
    main.Button10Click();
    main.Button7Click();
    QCoreApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    program.forms().Form3->Button1Click();
    const double evaluation = seconds(timer);

    const QString folder = program.forms().Form2->EvaluationFolder;
    const int evaluated = int(QDir(folder).entryList({u"*.done"_s}, QDir::Files).size());
    const qint64 writtenBytes = bytesIn(folder, u"*.html"_s) + bytesIn(folder, u"*.doc"_s);
    const int writtenFiles = int(QDir(folder).entryList({u"*.html"_s}, QDir::Files).size());
    if (evaluated != fileCount)
        qFatal("only %d of %d files were evaluated", evaluated, fileCount);

    // The same files read plainly, as they lie now in the evaluation folder.
    const QStringList moved = QDir(folder).entryList({u"*.done"_s}, QDir::Files);
    timer.restart();
    qint64 checksum = 0;
    for (const QString& name : moved) {
        QFile file(folder + u'/' + name);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(name));
        checksum += file.readAll().size();
    }
    const double plainRead = seconds(timer);

    // As many bytes in as many files, written plainly and then atomically (as the program
    // writes its feedback pages).
    const QString plainFolder = temp.path() + u"/plain"_s;
    QDir().mkpath(plainFolder);
    const QByteArray chunk(int(writtenBytes / qMax(1, writtenFiles)), 'x');
    timer.restart();
    for (int n = 0; n < writtenFiles; ++n) {
        QFile file(plainFolder + u"/%1.html"_s.arg(n));
        if (!file.open(QIODevice::WriteOnly) || file.write(chunk) != chunk.size())
            qFatal("cannot write");
    }
    const double plainWrite = seconds(timer);
    timer.restart();
    for (int n = 0; n < writtenFiles; ++n) {
        if (!saveFileAtomically(plainFolder + u"/a%1.html"_s.arg(n), chunk, nullptr,
                                SaveDurability::NoSync))
            qFatal("cannot write");
    }
    const double atomicWrite = seconds(timer);

    const double plain = plainRead + plainWrite;
    std::printf("answer files:            %d of a %d-task test, %.1f MB read, %d pages + list "
                "%.1f MB written\n",
                fileCount, tasks, readBytes / 1e6, writtenFiles - 1, writtenBytes / 1e6);
    std::printf("evaluation:              %.3f s  = %.0f files/s\n", evaluation,
                fileCount / evaluation);
    std::printf("plain read + plain write: %.3f s (%.3f + %.3f)  = %.0f files/s\n", plain,
                plainRead, plainWrite, fileCount / plain);
    std::printf("plain read + atomic write: %.3f s (%.3f + %.3f)\n", plainRead + atomicWrite,
                plainRead, atomicWrite);
    std::printf("evaluation / plain I/O:  %.2f x\n", evaluation / plain);
    return checksum == readBytes ? 0 : 1;
}
