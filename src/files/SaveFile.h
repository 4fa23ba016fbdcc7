#pragma once

#include <QByteArray>
#include <QString>

// Whether a save waits until the bytes are on the disk.
enum class SaveDurability {
    // The new file is on the disk before it takes the old one's place: a test or grid file
    // replaced in place survives a power cut as the old or as the new version.
    Sync,
    // The bytes are left to the system to write out. For the many new documents of one run
    // (a feedback page per answer file) which replace nothing and can be written again, and
    // where one wait for the disk per file would make the run crawl.
    NoSync,
};

// Every file the program writes goes through here: the bytes go to a new file beside the
// target, which takes the target's place only when it is complete, so the old file stays whole
// until then. A replaced file keeps its permissions, a new one gets those of any new file.
// On failure, *error gets a German text naming the file and the reason, and nothing is left
// behind.
bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error,
                        SaveDurability durability = SaveDurability::Sync);
