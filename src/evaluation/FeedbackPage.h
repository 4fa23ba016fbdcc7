#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

class StringGrid;

// What one evaluated answer file shows on its page besides the table.
struct FeedbackInfo {
    QString studentName;
    int points = 0;
    int maximum = 0;
    // Ten-thousandths; empty when the maximum is 0.
    std::optional<qint64> percent;
    bool singleChoice = false;
    QString gradeText;
};

// "feedback_" + name + ".html"
QString feedbackFileName(const QString& studentName);

// The whole page, Windows-1252, CR LF after every line. The answer table is read, not
// changed; its rows are cut to the last one with anything in columns 1 to 3. The student's
// name and the table's cells come from the student's file and are escaped.
QByteArray feedbackPage(const StringGrid& answerTable, const FeedbackInfo& info);

// The page saved under fileName; false and a German text in *error when that fails.
bool saveFeedbackPage(const QString& fileName, const StringGrid& answerTable,
                      const FeedbackInfo& info, QString* error);
