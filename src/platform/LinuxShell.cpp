#include "LinuxShell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
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

} // namespace

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
