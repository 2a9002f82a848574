// Writes the seed corpora of the fuzz targets from the installation data:
//   fuzz_seeds OUTPUT_DIR KRT.RGF|- GAMES.DAT SOURCE...
// Small inputs keep the fuzzers fast, so the big files are cut into samples.

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "FuzzSupport.h"
#include "GameSource.h"
#include "app/Preferences.h"
#include "core/Catalogue.h"
#include "core/Session.h"
#include "core/TextHelpers.h"
#include "persist/SavedGames.h"
#include "platform/AtomicFile.h"
#include "platform/HeadlessPorts.h"
#include "platform/ResourceLibrary.h"

using namespace cardoria;
namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string Crlf(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

void IniSeeds(const fs::path& out) {
  const fs::path file = out / "work" / "CFG.DAT";
  fs::create_directories(file.parent_path());
  Session session;
  session.settings.Open(file.string());
  SilentMessages messages;
  EnsureDefaultPlayer(session, messages);
  WriteWindowState(session.settings, WindowState{10, 20, 800, 600, false});
  session.settings.WriteStrings(
      kPreferenceSection,
      {{"Back_Card", "11"}, {"Speed_Move_Card", "0"}, {"Game", "1"}, {"Card_Size", "B"}, {"AutoPlay", "Y"}});
  session.settings.WriteString(kShowMessagesSection, "Msg1", "N");
  const std::string text = *ReadWholeFile(file.string());
  Write(out / "ini" / "cfg", text);
  Write(out / "ini" / "cfg-crlf", Crlf("; written by hand\n" + text + "[Users]\nUser004 = Player 4\n"));
  fs::remove_all(out / "work");
}

// The catalogues hold one to three games each: the whole GAMES.DAT as a seed
// would slow the catalogue fuzzer down to a crawl.
void CatalogueAndSourceSeeds(const fs::path& out, const std::vector<std::string>& inputs) {
  std::vector<std::pair<std::string, GameSource>> all;
  std::string pair;
  for (const std::string& input : inputs) {
    const std::string text = *ReadWholeFile(input);
    const std::string name = fs::path(input).filename().string();
    Write(out / "gamesource" / name, text);
    std::vector<SourceError> errors;
    all.emplace_back(name, ParseGameSource(name, text, errors));
    const CatalogueFileContent one = BuildCatalogue({all.back()}, errors);
    if (errors.empty()) Write(out / "catalogue" / name, WriteCatalogueFile(one));
    if (all.size() <= 2) pair += (pair.empty() ? "" : "\n---\n") + text;
  }
  Write(out / "gamesource" / "two-games", pair);
  // Three games side by side, so the columns after the first are reached.
  if (all.size() >= 3) {
    std::vector<SourceError> errors;
    const CatalogueFileContent three = BuildCatalogue({all[0], all[1], all[2]}, errors);
    if (errors.empty()) Write(out / "catalogue" / "three-games", WriteCatalogueFile(three));
  }
}

void CustomGameSeeds(const fs::path& out) {
  struct Record {
    int number;
    const char* name;
    int base;
    const char* overrides;
  };
  const std::vector<std::vector<Record>> files = {
      {{8000, "My Klondike", 2, "0030021"}},
      {{8000, "Easy Freecell", 1, "  1 -13"}, {8001, "Spider Two", 4, "001002"}},
      {{8002, "Canfield Plus", 7, "003-01"}, {8003, "Gypsy Any", 22, "      1"}, {8004, "Yukon", 5, ""}},
  };
  int n = 0;
  for (const auto& records : files) {
    std::string text = "[R-0301]\r\n";
    for (const Record& r : records) {
      text += ZeroPad(r.number, 4) + PadRight(r.name, 50) + ZeroPad(r.base, 4) + "\r\n" + r.overrides + "\r\n";
      for (int line = 2; line < 30; ++line) text += "\r\n";
    }
    Write(out / "custom" / ("custom" + std::to_string(++n)), text);
  }
}

// Libraries of a few entries each, the pictures cut short: the reader does
// not look inside them.
void LibrarySeeds(const fs::path& out, const std::string& rgf) {
  std::vector<ResourceEntry> entries;
  if (const auto library = rgf == "-" ? std::nullopt : ResourceLibrary::Load(rgf)) entries = library->Entries();
  if (entries.empty())
    entries = {{"DB001", ResourceKind::Bitmap, 0, 0, "\x89PNG"}, {"CUR10", ResourceKind::Cursor, 3, 4, "x"}};
  std::vector<ResourceEntry> cursors, bitmaps;
  for (auto entry : entries) {
    entry.data.resize(std::min<std::size_t>(entry.data.size(), 24));
    (entry.kind == ResourceKind::Cursor ? cursors : bitmaps).push_back(entry);
  }
  for (std::size_t i = 0, file = 0; file < 8 && i < bitmaps.size(); i += bitmaps.size() / 8 + 1, ++file) {
    std::vector<ResourceEntry> some = {bitmaps[i]};
    if (!cursors.empty()) some.push_back(cursors[file % cursors.size()]);
    if (i + 1 < bitmaps.size()) some.push_back(bitmaps[i + 1]);
    Write(out / "rgf" / ("library" + std::to_string(file)), ResourceLibrary::Serialize(some));
  }
}

// Saved games of a few games after a few moves each, with their histories.
void SavedGameSeeds(const fs::path& out, const std::string& catalogue) {
  const auto bytes = ReadWholeFile(catalogue);
  if (!bytes) return;
  int file = 0;
  for (int game : {1, 2, 4, 7, 12}) {
    fuzz::ClearScratch();
    fuzz::WriteScratchFile("GAMES.DAT", *bytes);
    Session session;
    fuzz::PrepareSession(session);
    SilentMessages messages;
    if (!LoadCatalogue(session, messages) || !fuzz::DealAndPlay(session, game, 1000u + static_cast<unsigned>(game)))
      continue;
    Write(out / "savedgame" / ("game" + std::to_string(file++) + ".gam"), FormatGameFile(session, 3750));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: fuzz_seeds OUTPUT_DIR KRT.RGF|- GAMES.DAT SOURCE...\n");
    return 2;
  }
  const fs::path out = argv[1];
  IniSeeds(out);
  CatalogueAndSourceSeeds(out, std::vector<std::string>(argv + 4, argv + argc));
  SavedGameSeeds(out, argv[3]);
  CustomGameSeeds(out);
  LibrarySeeds(out, argv[2]);
  Write(out / "stamp", "");
  return 0;
}
