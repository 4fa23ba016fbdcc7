#pragma once

#include "Shell.h"

// The desktop's default applications, the CUPS command "lp" for printing and the
// freedesktop file manager interface for showing folders.
class LinuxShell : public Shell {
public:
    bool open(const QString& path) override;
    bool print(const QString& path) override;
    bool explore(const QString& folder, const QString& selectItem) override;
    bool hasApplicationFor(const QString& extension) override;
};
