#include "WidgetScaling.h"

#include <QFont>
#include <QLayout>
#include <QList>
#include <QWidget>

#include <cmath>
#include <utility>

namespace {

int scaled(int value, double factor) {
    return int(std::lround(value * factor));
}

} // namespace

void scaleWidgetTree(QWidget* root, double geometryFactor, double fontFactor) {
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    // Fonts are read before any is set, since a child's font follows its parent's.
    QList<std::pair<QWidget*, QFont>> fonts;
    fonts.reserve(widgets.size() + 1);
    fonts.append({root, root->font()});
    for (QWidget* widget : widgets)
        fonts.append({widget, widget->font()});
    for (auto& [widget, font] : fonts) {
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * fontFactor);
        else if (font.pixelSize() > 0)
            font.setPixelSize(scaled(font.pixelSize(), fontFactor));
        widget->setFont(font);
    }
    for (QWidget* widget : widgets) {
        const QWidget* parent = widget->parentWidget();
        // Scroll areas and other composite widgets place their own inner parts.
        if (widget->isWindow() || (parent && parent->layout()) ||
            widget->objectName().startsWith(u"qt_"))
            continue;
        const QRect r = widget->geometry();
        widget->setGeometry(scaled(r.x(), geometryFactor), scaled(r.y(), geometryFactor),
                            scaled(r.width(), geometryFactor), scaled(r.height(), geometryFactor));
    }
}
