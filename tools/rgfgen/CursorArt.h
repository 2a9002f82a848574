#pragma once
// The twelve table cursors, drawn in code.

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

struct CursorArt {
  QString name;
  QImage image;  // 32x32, transparent background
  QPoint hotSpot;
};

std::vector<CursorArt> DrawCursors();
