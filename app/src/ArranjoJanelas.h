#pragma once

#include <Qt>

class QMdiArea;

// The window menu's layouts of the workbook windows. Minimised windows stay
// icons; tiling lays out the others.
class ArranjoJanelas {
public:
    // Qt::Horizontal: one above another, each as wide as the area;
    // Qt::Vertical: side by side, each as high as the area.
    static void ladoALado(QMdiArea& area, Qt::Orientation orientacao);
    // The minimised windows in a row along the bottom edge, from the left.
    static void arrumarIcones(QMdiArea& area);
};
