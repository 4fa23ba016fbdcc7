#include "TForm3.h"

#include "app/KeyPreview.h"
#include "app/TForm1.h"
#include "app/WidgetScaling.h"
#include "files/TForm2.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The dialog is laid out for a screen 1080 pixels high.
constexpr double kDesignScreenHeight = 1080.0;
const QColor kBackground(225, 235, 253);

const GradeScale& scaleOf(const char16_t* radioButton) {
    for (const GradeScale& scale : gradeScales()) {
        if (QStringView(scale.radioButton) == QStringView(radioButton))
            return scale;
    }
    Q_UNREACHABLE();
}

} // namespace

TForm3::TForm3(Platform& platform, Forms& forms, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_forms(forms) {
    setupUi(this);
    m_thresholds = {Edit1, Edit2,  Edit3,  Edit4,  Edit5,  Edit6,  Edit7, Edit8,
                    Edit9, Edit10, Edit11, Edit12, Edit13, Edit14, Edit15};
    m_gradeTexts = {Label1,  Label2,  Label3,  Label4,  Label5,  Label6,  Label7, Label8,
                    Label11, Label12, Label13, Label14, Label15, Label16, Label17};

    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);
    // The second row covers the radio buttons, so it needs a background of its own.
    Panel1->setAutoFillBackground(true);

    // Untouched, the dialog grades with texts of their own blanks, not those of "Ü 8".
    const GradeKeyFields initial = gradeKeyFieldsFor(initialGradeScale());
    for (int i = 0; i < 15; ++i) {
        m_thresholds[i]->setText(initial.thresholds[i]);
        m_gradeTexts[i]->setText(initial.gradeTexts[i]);
    }
    RadioButton6->setChecked(true);
    Panel1->hide();

    connect(RadioButton1, &QRadioButton::clicked, this, &TForm3::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TForm3::RadioButton2Click);
    connect(RadioButton3, &QRadioButton::clicked, this, &TForm3::RadioButton3Click);
    connect(RadioButton4, &QRadioButton::clicked, this, &TForm3::RadioButton4Click);
    connect(RadioButton5, &QRadioButton::clicked, this, &TForm3::RadioButton5Click);
    connect(RadioButton6, &QRadioButton::clicked, this, &TForm3::RadioButton6Click);
    connect(RadioButton7, &QRadioButton::clicked, this, &TForm3::RadioButton7Click);
    connect(RadioButton8, &QRadioButton::clicked, this, &TForm3::RadioButton8Click);
    connect(RadioButton9, &QRadioButton::clicked, this, &TForm3::RadioButton9Click);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);

    scaleToScreen();
    new KeyPreview(this, [this](int key) {
        FormKeyDown(key);
        return key == Qt::Key_F1;
    });
}

TForm3::~TForm3() = default;

void TForm3::scaleToScreen() {
    const QSize screen = m_platform.screen().size();
    const double factor = screen.height() / kDesignScreenHeight;
    // Fonts follow the pixel density by themselves; positions and sizes are designed at 96.
    const double geometry = factor * m_platform.screen().pixelsPerInch() / 96.0;
    const QSize design = size();
    scaleWidgetTree(this, geometry, factor);
    const QSize scaled(int(std::lround(design.width() * geometry)),
                       int(std::lround(design.height() * geometry)));
    setFixedSize(scaled);
    move((screen.width() - scaled.width()) / 2, (screen.height() - scaled.height()) / 2);
}

void TForm3::chooseScale(const char16_t* radioButton) {
    const GradeScale& scale = scaleOf(radioButton);
    for (int i = 0; i < 8; ++i) {
        m_gradeTexts[i]->setText(scale.texts[i]);
        m_thresholds[i]->setText(scale.thresholds[i]);
    }
}

void TForm3::RadioButton1Click() {
    chooseScale(u"RadioButton1");
}

void TForm3::RadioButton2Click() {
    chooseScale(u"RadioButton2");
}

void TForm3::RadioButton3Click() {
    chooseScale(u"RadioButton3");
}

void TForm3::RadioButton4Click() {
    chooseScale(u"RadioButton4");
}

void TForm3::RadioButton5Click() {
    chooseScale(u"RadioButton5");
}

void TForm3::RadioButton6Click() {
    chooseScale(u"RadioButton6");
}

void TForm3::RadioButton7Click() {
    chooseScale(u"RadioButton7");
}

void TForm3::RadioButton8Click() {
    chooseScale(u"RadioButton8");
}

void TForm3::RadioButton9Click() {
    chooseScale(u"RadioButton9");
    Panel1->show();
    Panel1->raise();
}

void TForm3::Button2Click() {
    Panel1->hide();
    RadioButton6->setChecked(true);
    RadioButton6Click();
}

void TForm3::Button1Click() {
    close();
    m_forms.Form2->Button14Click();
}

GradeKeyFields TForm3::gradeKey() const {
    GradeKeyFields key;
    for (int i = 0; i < 15; ++i) {
        key.thresholds[i] = m_thresholds[i]->text();
        key.gradeTexts[i] = m_gradeTexts[i]->text();
    }
    key.sekII = RadioButton9->isChecked();
    return key;
}

void TForm3::FormKeyDown(int key) {
    if (key == Qt::Key_F1)
        m_forms.Form1->openHelpFile();
}
