#pragma once
// Pictures made from the catalogue: a preview of every game, dealt with its
// own rules and cut to its piles, and the icons of the game families.

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

#include "platform/ResourceLibrary.h"

// "GAME" + 4 digits for every game of the catalogue in `programDir`, drawn
// with the faces and marks of `library` and the backs in its Images folder.
std::vector<std::pair<QString, QImage>> GamePreviews(const std::string& programDir,
                                                     const cardoria::ResourceLibrary& library);

// The tree icon of each family ("TREE5_..._TYPE") and of customized games.
std::vector<std::pair<QString, QImage>> FamilyIcons();

// The pictures of the dialogs: tree icons (maroon transparent), the
// descriptive meters, the card-effect previews and the motion strips.
std::vector<std::pair<QString, QImage>> DialogPictures();
