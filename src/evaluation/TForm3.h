#pragma once

#include "app/Forms.h"
#include "ui_TForm3.h"

#include <QDialog>

class Platform;

// The grade key dialog.
class TForm3 : public QDialog, public Ui::TForm3 {
    Q_OBJECT
public:
    TForm3(Platform& platform, Forms& forms, QWidget* parent = nullptr);
    ~TForm3() override;

private:
    Platform& m_platform;
    Forms& m_forms;
};
