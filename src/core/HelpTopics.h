#pragma once
// The help pages: one HTML file per context number in the "HELP" folder of
// the installation, written at build time and read by the help window.

#include <string>

namespace cardoria {

inline constexpr const char* kHelpFolder = "HELP";

// Context numbers of the pages that no dialog names.
inline constexpr int kHelpContents = 1;
inline constexpr int kHelpHowToPlay = 2;
// Dialog topics.
inline constexpr int kHelpOpenGame = 1000;
inline constexpr int kHelpSelectGameNumber = 1001;
inline constexpr int kHelpAdvancedOptions = 1005;
inline constexpr int kHelpPointers = 1006;
inline constexpr int kHelpFavourites = 1011;
inline constexpr int kHelpCustomize = 1019;
inline constexpr int kHelpStatistics = 1020;
inline constexpr int kHelpHiScores = 1021;
inline constexpr int kHelpPlayers = 1022;
inline constexpr int kHelpHoldAndExit = 1023;
inline constexpr int kHelpCardCounter = 1024;
inline constexpr int kHelpGameWon = 1025;
inline constexpr int kHelpFavouritesMenu = 4031;
// A catalogue game's rules are at its number plus this.
inline constexpr int kHelpRulesBase = 3000;

// The page's file name inside the help folder ("3002.html").
inline std::string HelpPageFile(int context) { return std::to_string(context) + ".html"; }

// The page's name relative to the installation directory ("HELP/3002.html").
inline std::string HelpPagePath(int context) { return std::string(kHelpFolder) + "/" + HelpPageFile(context); }

}  // namespace cardoria
