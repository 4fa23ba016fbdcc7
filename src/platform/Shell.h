#pragma once

#include <QString>

// Hands files and folders to the desktop.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens the file with the application the desktop has for it; false when it could not.
    virtual bool open(const QString& path) = 0;
    // Prints the file on the default printer; false when it could not.
    virtual bool print(const QString& path) = 0;
    // Shows a folder in the file manager, with selectItem selected when it is not empty.
    virtual bool explore(const QString& folder, const QString& selectItem) = 0;
    // Whether the desktop has an application registered for files with this extension
    // (with its dot, e.g. ".doc"); nothing is started.
    virtual bool hasApplicationFor(const QString& extension) = 0;
};
