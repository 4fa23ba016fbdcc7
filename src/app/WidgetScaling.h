#pragma once

class QWidget;

// Multiplies the positions and sizes of every widget below root by geometryFactor and every
// font by fontFactor. Widgets inside layouts keep their layout's geometry.
void scaleWidgetTree(QWidget* root, double geometryFactor, double fontFactor);
