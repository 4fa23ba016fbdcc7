#include "LinuxShell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QMimeType>
#include <QPageLayout>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextStream>
#include <QUrl>

#include "files/Cp1252.h"

using namespace Qt::StringLiterals;

namespace {

bool isHtmlDocument(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"html"_s || suffix == u"htm"_s || suffix == u"doc"_s;
}

// The program's documents are HTML in Windows-1252 whatever their extension; the printer
// gets them laid out as a PDF rather than as markup.
bool htmlToPdf(const QString& htmlPath, const QString& pdfPath) {
    QFile file(htmlPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QTextDocument document;
    document.setHtml(Cp1252::toUnicode(file.readAll()));
    QPdfWriter writer(pdfPath);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    document.print(&writer);
    return QFileInfo(pdfPath).size() > 0;
}

// The freedesktop association files, read when xdg-mime is not there to ask: a default or an
// added association in a mimeapps.list, or an application in a mimeinfo.cache.
bool associatedInFiles(const QStringList& types) {
    QStringList files;
    const QStringList configs =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString& folder : configs)
        files << folder + u"/mimeapps.list"_s;
    const QStringList applications =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& folder : applications)
        files << folder + u"/mimeapps.list"_s << folder + u"/mimeinfo.cache"_s;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        QTextStream in(&file);
        bool relevant = false;
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.startsWith(u'[')) {
                relevant = line == u"[Default Applications]"_s ||
                           line == u"[Added Associations]"_s || line == u"[MIME Cache]"_s;
                continue;
            }
            const qsizetype equals = line.indexOf(u'=');
            if (!relevant || equals <= 0 || !types.contains(line.left(equals).trimmed()))
                continue;
            if (!line.mid(equals + 1).remove(u';').trimmed().isEmpty())
                return true;
        }
    }
    return false;
}

} // namespace

bool LinuxShell::hasApplicationFor(const QString& extension) {
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(u"x"_s + extension, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault())
        return false;
    const QString xdgMime = QStandardPaths::findExecutable(u"xdg-mime"_s);
    if (!xdgMime.isEmpty()) {
        QProcess query;
        query.start(xdgMime, {u"query"_s, u"default"_s, type.name()});
        if (query.waitForFinished(3000) && query.exitStatus() == QProcess::NormalExit)
            return !query.readAllStandardOutput().trimmed().isEmpty();
        query.kill();
        query.waitForFinished(1000);
    }
    return associatedInFiles(QStringList{type.name()} + type.aliases());
}

bool LinuxShell::open(const QString& path) {
    if (!QFileInfo::exists(path))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

bool LinuxShell::print(const QString& path) {
    const QString lp = QStandardPaths::findExecutable(u"lp"_s);
    if (lp.isEmpty() || !QFileInfo::exists(path))
        return false;
    QString printable = path;
    if (isHtmlDocument(path)) {
        // Kept until the spooler has read it; the temporary folder of the session is cleaned
        // by the system.
        const QString folder = QDir::tempPath() + u"/varelo-druck"_s;
        QDir().mkpath(folder);
        printable = folder + u'/' + QFileInfo(path).completeBaseName() + u".pdf"_s;
        if (!htmlToPdf(path, printable))
            return false;
    }
    return QProcess::execute(lp, {printable}) == 0;
}

bool LinuxShell::explore(const QString& folder, const QString& selectItem) {
    const QString url = QUrl::fromLocalFile(QDir::cleanPath(folder)).toString();
    QDBusMessage call = QDBusMessage::createMethodCall(
        u"org.freedesktop.FileManager1"_s, u"/org/freedesktop/FileManager1"_s,
        u"org.freedesktop.FileManager1"_s,
        selectItem.isEmpty() ? u"ShowFolders"_s : u"ShowItems"_s);
    const QString item =
        selectItem.isEmpty() ? url : QUrl::fromLocalFile(QDir::cleanPath(selectItem)).toString();
    call << QStringList{item} << QString();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::cleanPath(folder)));
}
