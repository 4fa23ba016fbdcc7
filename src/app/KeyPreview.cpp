#include "KeyPreview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget* window, std::function<bool(int key)> onKey)
    : QObject(window)
    , m_window(window)
    , m_onKey(std::move(onKey)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == m_window)
        return m_onKey(static_cast<QKeyEvent*>(event)->key());
    return false;
}
