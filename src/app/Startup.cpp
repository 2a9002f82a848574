#include "app/Startup.h"

#include <algorithm>
#include <cctype>

#include "core/Catalogue.h"
#include "core/CustomGames.h"
#include "core/Session.h"
#include "core/TextHelpers.h"
#include "persist/DataChange.h"
#include "persist/FileSystem.h"
#include "persist/HiScores.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"

namespace cardoria {

const CursorName kCursorNames[12] = {
    {10, "CUR_ARROW1A"},      {11, "CUR_ARROW2A"},      {12, "CUR_RIGHT_HAND1A"}, {13, "CUR_RIGHT_HAND2A"},
    {14, "CUR_LEFT_HAND1A"},  {15, "CUR_LEFT_HAND2A"},  {20, "CUR_ARROW1B"},      {21, "CUR_ARROW2B"},
    {22, "CUR_RIGHT_HAND1B"}, {23, "CUR_RIGHT_HAND2B"}, {24, "CUR_LEFT_HAND1B"},  {25, "CUR_LEFT_HAND2B"},
};

namespace {

const char* const kScreenUnder256Text =
    "At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit "
    "(65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. \rIf your video driver "
    "allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the Display "
    "Properties Settings in the Control Panel.";

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

void InitializeSession(Session& session, const std::string& programDir) {
  session.programDir = WithTrailingSeparator(programDir);
  session.store.Reset();
  session.store.Set(pos::kProgramDir, 200, session.programDir);
  session.store.Set(pos::kSettingsFile, 20, kSettingsFile);
}

bool MainFormCreate(Session& session, StartupPorts& ports, WindowSetup& setup) {
  const std::string libraryPath = session.PathOf(kResourceLibraryFile);
  session.resources = ResourceLibrary::Load(libraryPath);
  if (!session.resources) {
    ports.messages.Fatal("Can't find/load " + Lower(libraryPath));
    return false;
  }

  for (int position : {90, 91}) session.positions.Set(position, 0);
  for (int flag : {kHoldAndExitRequested, kGameInProgress, kClockRunning, kSkipNextClick, kAnimationRunning, kGameWon})
    session.values.SetFlag(flag, false);
  session.values.SetFlag(kFirstActivationPending, true);
  session.values.SetCounter(kLastMouseMoveTick, -1);

  CreateDirectory(session.PathOf("DATA"));
  // Another window of the installation may be running: the clean-up of what
  // a crash left behind waits for the folder's lock.
  const std::string notice = RecoveryNotice(session, TidyDataFolder(session));
  RemoveStaleTemporaryFiles(session.PathOf(kInstallationMarker));
  TellPreferenceProblems(session, ports.messages);
  session.settings.UseLock(session.SharedDataLock());
  session.settings.Open(session.PathOf(kSettingsFile));
  if (!notice.empty()) ports.messages.ShowInfo(notice);
  setup = ReadPreferences(session, ports.screen);
  session.autoplayChecked = setup.autoplay;
  if (ports.screen.Shows256ColorsOrFewer())
    ShowMessageOnce(session, ports.messages, kScreenUnder256Text, "Screen_Under_256_Colors");
  EnsureDefaultPlayer(session, ports.messages);
  session.positions.Set(PositionTable::kSmallScreenState, 2);

  session.store.Set(pos::kRunWins, 4, "0000");
  session.store.Set(pos::kRunLosses, 4, "0000");
  session.cards.Reset();
  session.piles.ClearAll();
  if (!LoadCatalogue(session, ports.messages)) return false;
  if (const auto problem = CustomGamesFileProblem(session)) ports.messages.ShowInfo(*problem);

  ports.random.Seed(static_cast<std::uint64_t>(ports.clock.TickMs()));
  {
    FileSystem files;
    QuietStatsView view;
    StatsPorts stats{files, ports.messages, ports.clock, ports.random, view};
    UpgradeHiScoreFile(session, stats, session.settings);
  }
  WriteInstallationMarker(session);
  RemoveOlderInstallationFiles(session);
  for (int position : {78, 94, 85}) session.positions.Set(position, 0);
  return true;
}

void FirstActivation(Session& session) {
  session.values.SetFlag(kFirstActivationPending, false);
  // Older versions stored "S" for these two switches.
  for (const char* key : {"Cards_Animate", "ConfirmQuit"}) {
    if (session.settings.ReadString(kPreferenceSection, key, "") == "S")
      session.settings.WriteString(kPreferenceSection, key, "Y");
  }
  if (session.store.Get(pos::kCardsAnimate, 1) == "S") session.store.Set(pos::kCardsAnimate, 1, "Y");
}

void WriteInstallationMarker(Session& session) {
  const std::string path = session.PathOf(kInstallationMarker);
  FolderLock::Hold hold(session.DataLock());
  if (FileExists(path)) return;
  WriteFileAtomic(path, std::string(kInstallationMarkerText) + "\n");
}

std::vector<std::string> OlderInstallationFiles(const Session& session) {
  std::vector<std::string> names;
  for (const char* version :
       {"0150", "0200", "0300", "0310", "0320", "0330", "0340", "0350", "0360", "0370", "0400", "0410", "0420", "0430"})
    names.push_back(std::string("KRTV") + version + ".DAT");
  // The picture sets of older versions are recognised by one file each; our
  // own installation never ships these trigger names.
  auto exists = [&](const char* name) { return FileExists(session.PathOf(name)); };
  if (exists("IMAGES\\GAME0000.BMP")) {
    for (int i = 0; i <= 100; ++i) names.push_back("IMAGES\\GAME" + ZeroPad(i, 4) + ".BMP");
  }
  if (exists("IMAGES\\WB001.BMP")) {
    for (const char* prefix : {"IMAGES\\WB", "IMAGES\\WM", "IMAGES\\WP"})
      for (int i = 0; i <= 25; ++i) names.push_back(prefix + ZeroPad(i, 3) + ".BMP");
  }
  if (exists("IMAGES\\CB001C.BMP")) {
    for (int set = 1; set <= 5; ++set)
      for (const char* suffix : {"C.BMP", "D.BMP", "H.BMP", "S.BMP"})
        names.push_back("IMAGES\\CB" + ZeroPad(set, 3) + suffix);
    for (const char* prefix : {"IMAGES\\CM003", "IMAGES\\CL003"})
      for (const char* suffix : {"C.BMP", "D.BMP", "H.BMP", "S.BMP"}) names.push_back(std::string(prefix) + suffix);
  }
  names.push_back("CARDORIA.DLL");
  std::erase_if(names, [&](const std::string& name) { return !FileExists(session.PathOf(name)); });
  return names;
}

void RemoveOlderInstallationFiles(const Session& session) {
  for (const std::string& name : OlderInstallationFiles(session)) DeleteFile(session.PathOf(name));
}

}  // namespace cardoria
