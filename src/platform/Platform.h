#pragma once

#include "Clock.h"
#include "Dialogs.h"
#include "Environment.h"
#include "Help.h"
#include "Screen.h"
#include "Shell.h"

#include <memory>

// The desktop services the windows use, made once in main() (or by a test) and handed to
// every window.
class Platform {
public:
    Platform(std::unique_ptr<Dialogs> dialogs, std::unique_ptr<Shell> shell,
             std::unique_ptr<Environment> environment, std::unique_ptr<Help> help,
             std::unique_ptr<Clock> clock, std::unique_ptr<Screen> screen);
    virtual ~Platform();

protected:
    Platform() = default;
    void install(std::unique_ptr<Dialogs> dialogs, std::unique_ptr<Shell> shell,
                 std::unique_ptr<Environment> environment, std::unique_ptr<Help> help,
                 std::unique_ptr<Clock> clock, std::unique_ptr<Screen> screen);

public:
    Dialogs& dialogs() const { return *m_dialogs; }
    Shell& shell() const { return *m_shell; }
    Environment& environment() const { return *m_environment; }
    Help& help() const { return *m_help; }
    Clock& clock() const { return *m_clock; }
    Screen& screen() const { return *m_screen; }

private:
    std::unique_ptr<Dialogs> m_dialogs;
    std::unique_ptr<Shell> m_shell;
    std::unique_ptr<Environment> m_environment;
    std::unique_ptr<Help> m_help;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<Screen> m_screen;
};

// The real services of a Linux desktop.
std::unique_ptr<Platform> makeLinuxPlatform();
