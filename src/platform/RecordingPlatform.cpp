#include "RecordingPlatform.h"

using namespace Qt::StringLiterals;

namespace {

QString describe(const FileDialogSpec& spec) {
    return spec.title + u" | "_s + spec.filter + u" | "_s + spec.defaultExtension + u" | "_s +
           spec.folder;
}

} // namespace

void RecordingDialogs::message(QWidget*, const QString& text) {
    m_log << u"message: "_s + text;
    if (onBox)
        onBox(text);
}

void RecordingDialogs::error(QWidget*, const QString& text) {
    m_log << u"error: "_s + text;
    if (onBox)
        onBox(text);
}

bool RecordingDialogs::question(QWidget*, const QString& text) {
    if (onBox)
        onBox(text);
    const bool yes = !answers.isEmpty() && answers.takeFirst();
    m_log << u"question: "_s + text + (yes ? u" -> Ja"_s : u" -> Nein"_s);
    return yes;
}

QString RecordingDialogs::inputBox(QWidget*, const QString& caption, const QString& prompt,
                                   const QString& defaultText) {
    const QString result = inputs.isEmpty() ? defaultText : inputs.takeFirst();
    m_log << u"input: "_s + caption + u" | "_s + prompt + u" | "_s + defaultText + u" -> "_s +
                 result;
    return result;
}

QString RecordingDialogs::takeFile() {
    return files.isEmpty() ? QString() : files.takeFirst();
}

QString RecordingDialogs::openFile(QWidget*, const FileDialogSpec& spec) {
    fileDialogs << spec;
    const QString path = takeFile();
    m_log << u"open: "_s + describe(spec) + u" -> "_s + path;
    return path;
}

QStringList RecordingDialogs::openFiles(QWidget*, const FileDialogSpec& spec) {
    fileDialogs << spec;
    const QStringList paths = fileSelections.isEmpty() ? QStringList() : fileSelections.takeFirst();
    m_log << u"open files: "_s + describe(spec) + u" -> "_s + QString::number(paths.size());
    return paths;
}

QString RecordingDialogs::saveFile(QWidget*, const FileDialogSpec& spec) {
    fileDialogs << spec;
    const QString path = takeFile();
    m_log << u"save: "_s + describe(spec) + u" -> "_s + path;
    return path;
}

bool RecordingShell::open(const QString& path) {
    m_log << u"shell open: "_s + path;
    return succeeds;
}

bool RecordingShell::print(const QString& path) {
    m_log << u"shell print: "_s + path;
    return succeeds;
}

bool RecordingShell::explore(const QString& folder, const QString& selectItem) {
    m_log << u"shell explore: "_s + folder + u" | "_s + selectItem;
    return succeeds;
}

bool RecordingShell::hasApplicationFor(const QString& extension) {
    m_log << u"shell has application: "_s + extension;
    return wordProcessor;
}

QString ScriptedEnvironment::variable(const QString& name) const {
    for (auto it = variables.cbegin(); it != variables.cend(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

RecordingPlatform::RecordingPlatform()
    : m_dialogs(new RecordingDialogs(log))
    , m_shell(new RecordingShell(log))
    , m_environment(new ScriptedEnvironment)
    , m_help(new FolderHelp)
    , m_clock(new FixedClock)
    , m_screen(new FixedScreen) {
    install(std::unique_ptr<Dialogs>(m_dialogs), std::unique_ptr<Shell>(m_shell),
            std::unique_ptr<Environment>(m_environment), std::unique_ptr<Help>(m_help),
            std::unique_ptr<Clock>(m_clock), std::unique_ptr<Screen>(m_screen));
}

QStringList RecordingPlatform::logged(const QString& prefix) const {
    QStringList result;
    for (const QString& line : log) {
        if (line.startsWith(prefix))
            result << line.mid(prefix.size());
    }
    return result;
}
