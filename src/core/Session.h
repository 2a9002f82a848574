#pragma once
// Everything the program keeps for the length of a run, in one place. Start-up
// creates one and hands it by reference to whatever needs it; every test
// builds its own, so no state leaks between them.

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "core/CardTable.h"
#include "core/GameRules.h"
#include "core/Piles.h"
#include "core/PlayState.h"
#include "core/PositionTable.h"
#include "core/StepLogs.h"
#include "core/TextStore.h"
#include "core/ValueTables.h"
#include "platform/FolderLock.h"
#include "platform/IniProfile.h"
#include "platform/ResourceLibrary.h"

namespace cardoria {

struct Session {
  // The installation directory with its trailing separator. Kept whole here;
  // the copy in the text store is cut to its field like any stored value.
  std::string programDir;

  TextStore store;
  ValueTables values;
  StepLogs logs;
  CardTable cards;
  PileGroups piles;
  GameRules rules;
  // Shared table state and the catalogue list together make up the
  // catalogue object: the restored "[Sect1]" lines in file order.
  PositionTable positions;
  TextList catalogue;
  // The entries a deal rewrites, as loaded: TableauSpace then FoundationBase.
  std::array<int, 44> rulesSaveArea{};

  // The preferences file "DATA\CFG.DAT", open for the whole run.
  IniProfile settings;
  // The player has been told that it can not be read or written.
  bool settingsProblemTold = false;
  DragState drag;
  UndoHistory history;
  TableLayout layout;
  // The Autoplay command: checked by the player, enabled by the game.
  bool autoplayChecked = false;
  bool autoplayEnabled = false;
  // The snapshot file of the game, its path whole; empty when there is none.
  std::string snapshotFile;
  // The game clock as shown ("h:nn:ss").
  std::string clockText = "0:00:00";

  // The three lines of the poker-hand panel: the hand, its points, the total.
  std::array<std::string, 3> pokerPanel;

  // The pictures and cursors of "KRT.RGF", loaded at start-up.
  std::optional<ResourceLibrary> resources;

  // The full path of a file named relative to the installation directory.
  std::string PathOf(std::string_view relative) const;

  // The lock of the installation's "DATA" folder, which every change of a
  // data file holds from its first read to its last write. One per process
  // and folder: copies of the session share it.
  FolderLock& DataLock() const;
  std::shared_ptr<FolderLock> SharedDataLock() const;

 private:
  // Made at the first hold, for the installation directory of that moment.
  mutable std::shared_ptr<FolderLock> dataLock_;
};

inline constexpr const char* kDataLockFile = "DATA\\DATA.LCK";

}  // namespace cardoria
