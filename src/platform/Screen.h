#pragma once

#include <QSize>

class Screen {
public:
    virtual ~Screen() = default;
    // Size in pixels of the screen the main window opens on.
    virtual QSize size() const = 0;
    // Logical pixels per inch (96 on an unscaled desktop).
    virtual int pixelsPerInch() const = 0;
};
