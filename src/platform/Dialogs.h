#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// What a file dialog is asked to look like. The filter keeps the program's own notation,
// "description|mask|description|mask", masks separated by ";".
struct FileDialogSpec {
    QString title;
    QString filter;
    QString defaultExtension; // with its dot, e.g. ".test"
    QString folder;           // where the dialog starts
    QString fileName;         // proposed name
    bool confirmOverwrite = false;
    bool changeCurrentFolder = false; // choosing a file makes its folder the current folder
};

// Message boxes, questions, the input box and the file dialogs.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A plain message with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The standard box for an error that ended a command.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // A confirmation with the buttons "Ja" and "Nein"; true for "Ja".
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // Cancelling yields the default text.
    virtual QString inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                             const QString& defaultText) = 0;
    // An empty result means the teacher cancelled.
    virtual QString openFile(QWidget* parent, const FileDialogSpec& spec) = 0;
    virtual QStringList openFiles(QWidget* parent, const FileDialogSpec& spec) = 0;
    virtual QString saveFile(QWidget* parent, const FileDialogSpec& spec) = 0;
};

// "Varelo im Projektordner speichern| *.test" -> "Varelo im Projektordner speichern ( *.test)"
QStringList qtNameFilters(const QString& filter);
