#include "Platform.h"

#include "LinuxDialogs.h"
#include "LinuxEnvironment.h"
#include "LinuxHelp.h"
#include "LinuxShell.h"
#include "SystemClock.h"
#include "SystemScreen.h"

Platform::Platform(std::unique_ptr<Dialogs> dialogs, std::unique_ptr<Shell> shell,
                   std::unique_ptr<Environment> environment, std::unique_ptr<Help> help,
                   std::unique_ptr<Clock> clock, std::unique_ptr<Screen> screen) {
    install(std::move(dialogs), std::move(shell), std::move(environment), std::move(help),
            std::move(clock), std::move(screen));
}

void Platform::install(std::unique_ptr<Dialogs> dialogs, std::unique_ptr<Shell> shell,
                       std::unique_ptr<Environment> environment, std::unique_ptr<Help> help,
                       std::unique_ptr<Clock> clock, std::unique_ptr<Screen> screen) {
    m_dialogs = std::move(dialogs);
    m_shell = std::move(shell);
    m_environment = std::move(environment);
    m_help = std::move(help);
    m_clock = std::move(clock);
    m_screen = std::move(screen);
}

Platform::~Platform() = default;

std::unique_ptr<Platform> makeLinuxPlatform() {
    return std::make_unique<Platform>(
        std::make_unique<LinuxDialogs>(), std::make_unique<LinuxShell>(),
        std::make_unique<LinuxEnvironment>(), std::make_unique<LinuxHelp>(),
        std::make_unique<SystemClock>(), std::make_unique<SystemScreen>());
}
