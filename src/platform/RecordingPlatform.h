#pragma once

#include "Platform.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QSize>
#include <QStringList>
#include <functional>

// Stand-ins for tests: every call is written to one shared log, in order, and answered
// from a script.
//
// Log lines:
//   "message: TEXT", "error: TEXT", "question: TEXT -> Ja|Nein",
//   "input: CAPTION | PROMPT | DEFAULT -> RESULT",
//   "open: TITLE | FILTER | EXT | FOLDER -> PATH", "open files: ... -> N", "save: ... -> PATH",
//   "shell open: PATH", "shell print: PATH", "shell explore: FOLDER | ITEM",
//   "shell has application: EXTENSION"
class RecordingDialogs : public Dialogs {
public:
    explicit RecordingDialogs(QStringList& log)
        : m_log(log) {}

    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    QString inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                     const QString& defaultText) override;
    QString openFile(QWidget* parent, const FileDialogSpec& spec) override;
    QStringList openFiles(QWidget* parent, const FileDialogSpec& spec) override;
    QString saveFile(QWidget* parent, const FileDialogSpec& spec) override;

    // Answers in order; an exhausted list answers "Nein", cancels the input box (default text)
    // and cancels file dialogs.
    QList<bool> answers;
    QStringList inputs;
    QStringList files;                 // for open and save; an empty entry cancels
    QList<QStringList> fileSelections; // for the multi-file dialog
    // Every file dialog's settings, in order.
    QList<FileDialogSpec> fileDialogs;
    // Called inside every message and question before it is answered, e.g. to look at the
    // windows while the box would be open.
    std::function<void(const QString&)> onBox;

private:
    QString takeFile();
    QStringList& m_log;
};

class RecordingShell : public Shell {
public:
    explicit RecordingShell(QStringList& log)
        : m_log(log) {}
    bool open(const QString& path) override;
    bool print(const QString& path) override;
    bool explore(const QString& folder, const QString& selectItem) override;
    bool hasApplicationFor(const QString& extension) override;

    bool succeeds = true;
    // The answer to every hasApplicationFor(): is a word processor registered for ".doc"?
    bool wordProcessor = false;

private:
    QStringList& m_log;
};

class ScriptedEnvironment : public Environment {
public:
    QString variable(const QString& name) const override;
    QMap<QString, QString> variables;
};

class FolderHelp : public Help {
public:
    QStringList folders() const override { return helpFolders; }
    QStringList helpFolders;
};

class FixedClock : public Clock {
public:
    QDateTime now() const override { return time; }
    QDateTime time = QDateTime(QDate(2026, 12, 11), QTime(9, 30));
};

class FixedScreen : public Screen {
public:
    QSize size() const override { return screenSize; }
    int pixelsPerInch() const override { return dpi; }
    QSize screenSize = QSize(1366, 768);
    int dpi = 96;
};

class RecordingPlatform : public Platform {
public:
    RecordingPlatform();

    QStringList log;

    RecordingDialogs& script() const { return *m_dialogs; }
    RecordingShell& recordingShell() const { return *m_shell; }
    ScriptedEnvironment& scriptedEnvironment() const { return *m_environment; }
    FolderHelp& folderHelp() const { return *m_help; }
    FixedClock& fixedClock() const { return *m_clock; }
    FixedScreen& fixedScreen() const { return *m_screen; }

    // The log lines that start with prefix (e.g. "message: "), without it.
    QStringList logged(const QString& prefix) const;

private:
    RecordingDialogs* m_dialogs;
    RecordingShell* m_shell;
    ScriptedEnvironment* m_environment;
    FolderHelp* m_help;
    FixedClock* m_clock;
    FixedScreen* m_screen;
};
