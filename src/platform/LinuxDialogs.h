#pragma once

#include "Dialogs.h"

// Qt's own message boxes and file dialogs (not the desktop's native ones, so that every
// desktop shows the same filters and options).
class LinuxDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    QString inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                     const QString& defaultText) override;
    QString openFile(QWidget* parent, const FileDialogSpec& spec) override;
    QStringList openFiles(QWidget* parent, const FileDialogSpec& spec) override;
    QString saveFile(QWidget* parent, const FileDialogSpec& spec) override;
};
