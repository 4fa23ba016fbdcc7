#pragma once

#include <QLabel>

// A panel that works as a button: by mouse, and by Space or Enter when it has the focus.
class ClickPanel : public QLabel {
    Q_OBJECT
public:
    explicit ClickPanel(QWidget* parent = nullptr);

    // The panel's colour (it turns green for a moment when it has done its work).
    void setColor(const QColor& color);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
