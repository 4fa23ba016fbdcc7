#pragma once

#include <QString>

// Environment variables and the home folder.
class Environment {
public:
    virtual ~Environment() = default;

    // Looked up without regard to case; empty when the variable is not set.
    virtual QString variable(const QString& name) const = 0;

    // HOMEDRIVE + HOMEPATH where both are set, else HOME; empty when there is no home folder.
    QString homeFolder() const;
    // The per-user projects folder: the home folder + "/Varelo"; empty without a home folder.
    QString projectsFolder() const;
};
