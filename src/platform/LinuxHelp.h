#pragma once

#include "Help.h"

class LinuxHelp : public Help {
public:
    QStringList folders() const override;
};
