#pragma once

#include "app/Forms.h"
#include "authoring/StringGrid.h"
#include "ui_TForm2.h"

#include <QWidget>

class Platform;
struct GradeKeyFields;

// The worker window: never shown; it owns the tables and carries the file, print and
// evaluation commands.
class TForm2 : public QWidget, public Ui::TForm2 {
    Q_OBJECT
public:
    TForm2(Platform& platform, Forms& forms, QWidget* parent = nullptr);
    ~TForm2() override;

    StringGrid StringGrid1{5, 1201};    // the test table
    StringGrid StringGrid2{5, 1201};    // its scrambled copy, the one that is read and written
    StringGrid StringGrid3{3, 1000, 0}; // the result list of an evaluation
    StringGrid StringGrid4{5, 1201};    // working table of the second version

    QString WorkFolder;
    int SaveCounter = 0;
    int TaskCount = 0;

    void Button11Click(); // count the tasks
    void Button12Click(); // reset the save counter

    // Open, save and the second version (files/TForm2.cpp).
    void Button3Click();  // open a test
    void Button5Click();  // scramble and save the test
    void Button10Click(); // the second version, saved through Button5Click
    // Whether the last open read a test; false after a cancelled dialog or a refused file.
    bool testOpened() const { return m_testOpened; }

    // Rows of the editor's insert and delete (authoring/TaskEditor.cpp).
    void Button6Click(); // "zeilen weg": delete the editor's task, renumber the ones after it
    void Button8Click(); // "zeilen hin": a blank task after the editor's task, renumbered onwards

    // Evaluation and result list (evaluation/EvaluationCommand.cpp).
    void Button14Click(); // "Punkteauswertung": scores a batch of answer files
    void Button2Click();  // "Ergebnis save": the result list, then the program ends
    // The dated folder of this run's documents; empty until an evaluation made one.
    QString EvaluationFolder;

private:
    // Open, save and the second version (files/TForm2.cpp).
    void showFileInCaption(const QString& path);
    bool m_testOpened = false;

    // Rows of the editor's insert and delete (authoring/TaskEditor.cpp).

    // Evaluation and result list (evaluation/EvaluationCommand.cpp).
    // One file of the batch; false when the run has to stop. A file left out adds its reason
    // to skipped.
    bool evaluateAnswerFile(const QString& path, const GradeKeyFields& key, QStringList& skipped);

    void FormCreate();

    Platform& m_platform;
    Forms& m_forms;
};
