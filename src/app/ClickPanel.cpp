#include "ClickPanel.h"

#include <QKeyEvent>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

ClickPanel::ClickPanel(QWidget* parent)
    : QLabel(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    setColor(QColor(200, 30, 30));
}

void ClickPanel::setColor(const QColor& color) {
    setStyleSheet(u"ClickPanel { background-color: %1; color: white; border-radius: 4px; }"_s.arg(
        color.name()));
}

void ClickPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void ClickPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}
