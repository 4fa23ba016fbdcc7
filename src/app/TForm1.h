#pragma once

#include "app/Forms.h"
#include "ui_TForm1.h"

#include <QMainWindow>
#include <initializer_list>

class Platform;
class QLabel;
class QTimer;

// Shows or hides every widget of the list.
void setVisibleAll(std::initializer_list<QWidget*> widgets, bool visible);

// The main window: start page, task editor and evaluation page.
class TForm1 : public QMainWindow, public Ui::TForm1 {
    Q_OBJECT
public:
    TForm1(Platform& platform, Forms& forms, QWidget* parent = nullptr);
    ~TForm1() override;

    // State shared with the other windows.
    QString ProjectFolder;
    int BlockRow = 1;
    int TaskNumber = 1;
    int ChangesSaved = 1;
    int ResultListRow = 0;
    int PictureChosen = 0;
    int MediaChosen = 0;

    // The two panels of the status bar.
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;

    // The scaling factor M / 100 applied to the window at creation.
    double scaleFactor() const { return m_scale; }
    // Narrow screens at raised pixel density get the window maximised instead of scaled.
    bool startsMaximised() const { return m_maximised; }

    // Start page and pages.
    void Button9Click();
    void Button10Click();
    void Button6Click();
    void Button1Click();
    void BitBtn1Click();
    void FormKeyDown(int key);
    void Timer1Timer();
    void openHelpFile();

    // Task editor (authoring/TaskEditor.cpp).
    void Button12Click(); // "Frage aufnehmen", also run by BitBtn2: record the task, show the next
    void Button8Click();  // "zurück": show the previous task, dropping unrecorded edits
    void Button25Click(); // "Aufgabe löschen"
    void Button26Click(); // "Aufgabe einfügen": a blank task after the shown one
    void Button3Click();  // "speichern"
    void Button14Click(); // "öffnen": load a test and show task 1
    // The tick boxes of answers 1 to 5; one rule for all five.
    void CheckBox6Click();
    void CheckBox7Click();
    void CheckBox8Click();
    void CheckBox9Click();
    void CheckBox10Click();
    void CheckBox14Click(); // the text-answer option
    // Shows the block at BlockRow as the table holds it, unrecorded edits dropped.
    void showStoredTask();

    // Project folder (app/ProjectFolder.cpp).
    void Button22Click(); // new project folder
    void Button23Click(); // choose an existing test
    void Button17Click(); // opens the test chosen from the project choice
    void Button24Click(); // show the project folder in the file manager
    // The student program that goes into every project folder.
    static inline const QString kStudentModuleFile = QStringLiteral("Dozove_voro.exe");
    // Copies the student program to target unless a file is there already; without one to
    // copy, the teacher is asked to bring it into folderShown.
    void provideStudentModule(const QString& target, const QString& folderShown);

    // Evaluation page (evaluation/EvaluationPage.cpp).
    void Button7Click(); // "Laden und Auswerten": the grade key dialog, without blocking
    void Button2Click(); // "N-Liste speichern": the worker window's result list command

Q_SIGNALS:
    // The window has closed; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Task editor (authoring/TaskEditor.cpp).
    // How the solution cells of a shown task become ticks: after recording only "wahr" ticks;
    // stepping back and opening tick answers 2 to 5 unless their cell says "falsch".
    enum class TickReading { Exact, EmptyMeansTicked };
    void setUpTaskFields();
    void tickRule(QCheckBox* box);
    void showTextOption();
    void showAnswers(TickReading reading);
    void focusShownTask();
    bool m_clearingOtherTicks = false;

    // Project folder (app/ProjectFolder.cpp).
    void showProjectFolder();

    // Evaluation page (evaluation/EvaluationPage.cpp).

    void FormCreate();
    void scaleToScreen();
    void createProjectsFolder();
    void setPictures();
    bool FormCloseQuery();

    Platform& m_platform;
    Forms& m_forms;
    QTimer* m_clock = nullptr;
    double m_scale = 1.0;
    bool m_maximised = false;
};
