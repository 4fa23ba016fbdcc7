#pragma once

// How the main window, designed for 1366 pixels at 96 pixels per inch, is fitted to a screen.
struct ScreenScaling {
    int percent;    // M: positions, sizes and fonts are multiplied by percent / 100
    bool maximised; // the window is shown maximised instead
};

// width: screen width in pixels; dpiOffset: the window's pixels per inch minus 96.
ScreenScaling screenScaling(int width, int dpiOffset);

// Below this screen height the teacher is warned that the display may suffer.
constexpr int kMinimumScreenHeight = 720;
