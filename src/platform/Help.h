#pragma once

#include <QStringList>

// Where the help document may be written, in the order of preference: beside the program
// first, then the per-user data folder for an installation that cannot be written to.
class Help {
public:
    virtual ~Help() = default;
    virtual QStringList folders() const = 0;
};
