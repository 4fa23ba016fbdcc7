#pragma once

#include "app/Program.h"
#include "app/TForm1.h"
#include "platform/RecordingPlatform.h"

#include <QAbstractButton>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A whole program on the recording platform, with its home and program folders in a
// temporary folder. Set up the script before start().
struct ProgramFixture {
    ProgramFixture() {
        platform.scriptedEnvironment().variables.insert(QStringLiteral("HOME"), home());
        platform.folderHelp().helpFolders = {programFolder()};
        QDir().mkpath(programFolder());
        QDir().mkpath(home());
    }

    Program& start() {
        program = std::make_unique<Program>(platform);
        return *program;
    }

    QString home() const { return temp.path() + QStringLiteral("/home"); }
    QString projects() const { return home() + QStringLiteral("/Varelo"); }
    QString programFolder() const { return temp.path() + QStringLiteral("/programm"); }

    TForm1& form1() const { return *program->forms().Form1; }

    // Presses the control of that objectName as the teacher would.
    template <typename Button = QAbstractButton>
    void press(const QWidget* window, const char* name) {
        auto* button = window->findChild<Button*>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QVERIFY2(button->isVisible() && button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QTemporaryDir temp;
    RecordingPlatform platform;
    std::unique_ptr<Program> program;
};
