#pragma once

#include "app/Forms.h"
#include "ui_TForm4.h"

#include <QWidget>

class Platform;

// The picture chooser, which also shows the picture of the task on display.
class TForm4 : public QWidget, public Ui::TForm4 {
    Q_OBJECT
public:
    TForm4(Platform& platform, Forms& forms, QWidget* parent = nullptr);
    ~TForm4() override;

private:
    Platform& m_platform;
    Forms& m_forms;
};
