#include "SystemScreen.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

QSize SystemScreen::size() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1366, 768);
}

int SystemScreen::pixelsPerInch() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? int(std::lround(screen->logicalDotsPerInch())) : 96;
}
