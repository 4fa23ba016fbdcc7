#pragma once

#include "app/Forms.h"
#include "evaluation/GradeKey.h"
#include "ui_TForm3.h"

#include <QDialog>
#include <array>

class Platform;
class QLabel;
class QLineEdit;

// The grade key dialog "Notenschlüssel": the teacher picks a scale and may edit its
// thresholds; the key lives in the fields and nowhere else.
class TForm3 : public QDialog, public Ui::TForm3 {
    Q_OBJECT
public:
    TForm3(Platform& platform, Forms& forms, QWidget* parent = nullptr);
    ~TForm3() override;

    // The scales: each writes its grade texts and thresholds into the first row.
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();
    void RadioButton7Click();
    void RadioButton8Click();
    void RadioButton9Click(); // "Sek. II", which also shows the second row
    void Button1Click();      // "&weiter": closes the dialog and starts the evaluation
    void Button2Click();      // "zurück": hides the second row and goes back to "Ü 8"
    void FormKeyDown(int key);

    // The grade key as the fields hold it right now, texts exactly as typed.
    GradeKeyFields gradeKey() const;

private:
    void chooseScale(const char16_t* radioButton);
    void scaleToScreen();

    Platform& m_platform;
    Forms& m_forms;
    std::array<QLineEdit*, 15> m_thresholds{};
    std::array<QLabel*, 15> m_gradeTexts{};
};
