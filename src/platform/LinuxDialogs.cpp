#include "LinuxDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

QStringList runFileDialog(QWidget* parent, const FileDialogSpec& spec, QFileDialog::AcceptMode mode,
                          QFileDialog::FileMode fileMode) {
    QFileDialog dialog(parent, spec.title, spec.folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    dialog.setNameFilters(qtNameFilters(spec.filter));
    QString suffix = spec.defaultExtension;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (mode == QFileDialog::AcceptSave && !spec.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!spec.fileName.isEmpty())
        dialog.selectFile(spec.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    if (spec.changeCurrentFolder && !files.isEmpty())
        QDir::setCurrent(QFileInfo(files.first()).absolutePath());
    return files;
}

} // namespace

void LinuxDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, u"Varelo"_s, text, QMessageBox::Ok, parent);
    box.exec();
}

void LinuxDialogs::error(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, u"Fehler"_s, text, QMessageBox::Ok, parent);
    box.exec();
}

bool LinuxDialogs::question(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, u"Bestätigung"_s, text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString LinuxDialogs::inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                               const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : defaultText;
}

QString LinuxDialogs::openFile(QWidget* parent, const FileDialogSpec& spec) {
    const QStringList files =
        runFileDialog(parent, spec, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    return files.isEmpty() ? QString() : files.first();
}

QStringList LinuxDialogs::openFiles(QWidget* parent, const FileDialogSpec& spec) {
    return runFileDialog(parent, spec, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
}

QString LinuxDialogs::saveFile(QWidget* parent, const FileDialogSpec& spec) {
    const QStringList files =
        runFileDialog(parent, spec, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    return files.isEmpty() ? QString() : files.first();
}
