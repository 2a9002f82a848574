#pragma once
// The pictures of the card counter: a strip per suit row and the small marks
// of cards still hidden, already seen, or not counted.

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

std::vector<std::pair<QString, QImage>> CounterPictures();
