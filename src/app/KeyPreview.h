#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Lets a window see every key pressed in it before its controls do, so that F1 works
// wherever the focus is. onKey returns true for a key the window has handled; the control
// then does not get it.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    KeyPreview(QWidget* window, std::function<bool(int key)> onKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::function<bool(int key)> m_onKey;
};
