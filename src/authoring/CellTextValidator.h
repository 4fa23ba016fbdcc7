#pragma once

#include <QValidator>

// Keeps a task field to what a test file can store: a character outside Windows-1252 is
// refused, and a pasted line break becomes one blank (a cell is one line of the file).
class CellTextValidator : public QValidator {
    Q_OBJECT
public:
    explicit CellTextValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    // The first character the last refused input held, for telling the teacher why.
    QString refusedCharacter() const { return m_refused; }

private:
    mutable QString m_refused;
};
