#pragma once
// What the art files share: blank pictures and the painter's design units.

#include <QImage>
#include <QPainter>

namespace cardoria::art {

// A transparent w x h picture in the format of the resource library.
QImage Blank(int w, int h);
// A blank picture of a w x h design at `scale`. The library's pictures keep
// their format; the table's are drawn in the one it paints with, so that
// none has to be converted.
QImage Blank(int w, int h, double scale);
// The painter draws in the units of the w x h design, whatever the picture's
// size: the vector art is drawn at the picture's own resolution.
void DesignUnits(QPainter& p, const QImage& image, int w, int h);

}  // namespace cardoria::art
