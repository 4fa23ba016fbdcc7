#pragma once

#include "app/Forms.h"
#include "ui_TForm5.h"

#include <QWidget>

class Platform;

// The review window for one answer file.
class TForm5 : public QWidget, public Ui::TForm5 {
    Q_OBJECT
public:
    TForm5(Platform& platform, Forms& forms, QWidget* parent = nullptr);
    ~TForm5() override;

private:
    Platform& m_platform;
    Forms& m_forms;
};
