#pragma once
// The backs named after what they show (a penguin, a boat, the mountains):
// each is a picture on a panel in the middle of the back, drawn in code on a
// canvas of its own (PictureKit.h) and mapped onto the panel at any size.

#include <QPainter>
#include <QRectF>

namespace cardoria {

// Whether back `number` shows a picture rather than a pattern.
bool IsPictureBack(int number);

// Draws the picture of back `number` to fill `panel`, nothing outside it;
// nothing at all for a pattern back.
void DrawBackPicture(QPainter& p, int number, const QRectF& panel);

namespace pictures {
// The pictures, each on the whole canvas (BackCreatures.cpp and
// BackScenes.cpp).
void Boat(QPainter& p);
void Magi(QPainter& p);
void Snowman(QPainter& p);
void Dragon(QPainter& p);
void ChildrensFlowers(QPainter& p);
void Sun(QPainter& p);
void Africa(QPainter& p);
void TeddyBear(QPainter& p);
void Roses(QPainter& p);
void Flower(QPainter& p);
void JapaneseWoman(QPainter& p);
void Eagle(QPainter& p);
void TropicalFish(QPainter& p);
void Lake(QPainter& p);
void Clouds(QPainter& p);
void Sea(QPainter& p);
void Mountains(QPainter& p);
void Penguin(QPainter& p);
void MountainsAtDusk(QPainter& p);
void Hills(QPainter& p);
void Horse(QPainter& p);
}  // namespace pictures

}  // namespace cardoria
