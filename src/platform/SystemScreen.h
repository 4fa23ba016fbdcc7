#pragma once

#include "Screen.h"

class SystemScreen : public Screen {
public:
    QSize size() const override;
    int pixelsPerInch() const override;
};
