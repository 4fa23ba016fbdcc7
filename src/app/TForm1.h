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
    void Button3Click();

Q_SIGNALS:
    // The window has closed; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
