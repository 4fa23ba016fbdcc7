#pragma once

#include "Environment.h"

class LinuxEnvironment : public Environment {
public:
    QString variable(const QString& name) const override;
};
