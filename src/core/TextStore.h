#pragma once
// Most non-pile state is text at fixed positions: three buffers addressed by
// position 1-999 and a width. Values are stored without leading spaces, cut or
// padded to their width, and read back without trailing spaces.

#include <string>
#include <string_view>

namespace cardoria {

class TextStore {
 public:
  TextStore();

  void Set(int position, int width, std::string_view value);
  std::string Get(int position, int width) const;

  // The flag-like switches of the preferences: stored "Y"/"N" or "0"/"1".
  bool IsY(int position) const { return Get(position, 1) == "Y"; }
  bool IsNotN(int position) const { return Get(position, 1) != "N"; }
  int GetInt(int position, int width) const;

  void Reset();

 private:
  std::string* BufferFor(int position, std::size_t& index);
  const std::string* BufferFor(int position, std::size_t& index) const;
  std::string buffers_[3];
};

// Positions with a meaning of their own (width in brackets where it matters).
namespace pos {
inline constexpr int kSettingsFile = 1;         // 20
inline constexpr int kBackCard = 21;            // 3
inline constexpr int kCard = 24;                // 3
inline constexpr int kBackgroundDef = 27;       // 1
inline constexpr int kBackgroundCol = 28;       // 15
inline constexpr int kBackgroundBmp = 43;       // 4
inline constexpr int kBackgroundFixedCol = 47;  // 15
inline constexpr int kGameNumber = 62;          // 4
inline constexpr int kShowTime = 66;
inline constexpr int kCardsAnimate = 67;
inline constexpr int kLanguage = 68;       // 6
inline constexpr int kSpeedMoveCard = 74;  // 2
inline constexpr int kStatusBar = 76;
inline constexpr int kPlayerName = 77;    // 30
inline constexpr int kRunWins = 112;      // 4
inline constexpr int kRunLosses = 116;    // 4
inline constexpr int kScoreScheme = 120;  // 2
inline constexpr int kScore = 122;        // 6
inline constexpr int kCardSize = 128;
inline constexpr int kSavedCardSet = 129;   // 3
inline constexpr int kSavedCardBack = 132;  // 3
inline constexpr int kFadeBackground = 135;
inline constexpr int kShowScore = 136;
inline constexpr int kUndoEnabled = 137;
inline constexpr int kUndoUsedFlag = 138;
inline constexpr int kRedoUsedFlag = 139;
inline constexpr int kSoundsEnabled = 141;
inline constexpr int kRandomBackground = 152;
inline constexpr int kDealNumber = 153;  // 15
inline constexpr int kCursor = 172;      // 2
inline constexpr int kCardsShadowed = 178;
inline constexpr int kRandomCard = 187;
inline constexpr int kRandomDeck = 188;
inline constexpr int kGameName = 189;  // 50
inline constexpr int kAutomaticFaceUp = 239;
inline constexpr int kSavedCardSize = 240;
inline constexpr int kVertScrollBar = 243;
inline constexpr int kShowToolTips = 244;
inline constexpr int kShowPilesSize = 245;
inline constexpr int kCustomizedBackground = 246;
inline constexpr int kLowMemoryWarning = 254;
inline constexpr int kProgramDir = 501;    // 200
inline constexpr int kSnapshotFile = 701;  // 200
}  // namespace pos

}  // namespace cardoria
