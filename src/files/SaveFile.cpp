#include "SaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Our own rather than QSaveFile: that one always waits for the disk on commit, which a run
// writing a page for every answer file of a class cannot afford.

namespace {

// Tries before giving up on finding a free name for the new file.
constexpr int kNameAttempts = 100;

// A link stays a link: the file it points to is the one replaced.
QString linkTarget(const QString& path) {
    QFileInfo info(path);
    int depth = 128;
    while (--depth > 0 && info.isSymLink())
        info.setFile(info.symLinkTarget());
    return depth > 0 ? info.filePath() : path;
}

// A new file "<target>.XXXXXX" in the target's folder, so that the rename stays on one file
// system. -1 with errno set when none can be made.
int createBeside(const QByteArray& target, mode_t mode, QByteArray* name) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr quint64 kLetterCount = sizeof kLetters - 1;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        quint64 random = QRandomGenerator::global()->generate64();
        *name = target;
        name->append('.');
        for (int i = 0; i < 6; ++i) {
            name->append(kLetters[random % kLetterCount]);
            random /= kLetterCount;
        }
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        // A full disk or a file size limit may take part of the bytes first; the next write
        // then fails and tells why.
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error,
                        SaveDurability durability) {
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = u"Die Datei %1 konnte nicht gespeichert werden: %2"_s.arg(path, reason);
        return false;
    };

    QByteArray target = QFile::encodeName(path);
    struct stat old {};
    bool replacing = ::lstat(target.constData(), &old) == 0;
    if (replacing && S_ISLNK(old.st_mode)) {
        target = QFile::encodeName(linkTarget(path));
        replacing = ::stat(target.constData(), &old) == 0;
    }
    if (replacing && S_ISDIR(old.st_mode))
        return fail(u"unter diesem Namen gibt es schon einen Ordner"_s);
    // The rename would get past the file's own write protection.
    if (replacing && ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        return fail(u"die vorhandene Datei ist schreibgeschützt"_s);

    QByteArray temporary;
    // A new file gets what any new file gets (the umask applies); one that replaces another
    // is the owner's alone until it has the old file's permissions.
    const int fd = createBeside(target, replacing ? 0600 : 0666, &temporary);
    if (fd < 0)
        return fail(qt_error_string(errno));

    int reason = 0;
    if (!writeAll(fd, bytes) || (replacing && ::fchmod(fd, old.st_mode & 0777) != 0) ||
        (durability == SaveDurability::Sync && ::fdatasync(fd) != 0))
        reason = errno;
    // Some file systems report a failed write only here (a full quota on a network folder).
    if (::close(fd) != 0 && errno != EINTR && reason == 0)
        reason = errno;
    // rename(2) puts the new file in the old one's place in one step.
    if (reason == 0 && std::rename(temporary.constData(), target.constData()) != 0)
        reason = errno;
    if (reason == 0)
        return true;
    ::unlink(temporary.constData());
    return fail(qt_error_string(reason));
}
