// The customized games reader: every record names a game that, when its base
// game exists, is dealt and played a few moves with its overrides and a whole
// pack; and the records written back in the file's layout read the same.

#include <set>

#include "FuzzSupport.h"
#include "core/Catalogue.h"
#include "core/CustomGames.h"
#include "core/TextHelpers.h"
#include "platform/AtomicFile.h"
#include "platform/HeadlessPorts.h"

using namespace cardoria;

namespace {

constexpr int kGamesPlayed = 3;

// The file's layout, as the program's customizing dialog wrote it: a header,
// then 30 lines per record.
std::string CustomGamesText(const std::vector<CustomGameRecord>& records) {
  std::string text = "[R-0301]\r\n";
  for (const auto& record : records) {
    text += ZeroPad(record.number, 4) + PadRight(record.name, 50) + ZeroPad(record.base, 4) + "\r\n";
    text += record.overrides + "\r\n";
    for (int line = 2; line < kCustomRecordLines; ++line) text += "\r\n";
  }
  return text;
}

bool SameRecords(const std::vector<CustomGameRecord>& a, const std::vector<CustomGameRecord>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].number != b[i].number || a[i].name != b[i].name || a[i].base != b[i].base ||
        a[i].overrides != b[i].overrides)
      return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string catalogue = *ReadWholeFile(CARDORIA_GAMES);
  fuzz::ClearScratch();
  fuzz::WriteScratchFile("GAMES.DAT", catalogue);
  fuzz::WriteScratchFile("DATA/GAM_CUST.DAT", std::string_view(reinterpret_cast<const char*>(data), size));
  std::vector<CustomGameRecord> records;
  {
    Session session;
    fuzz::PrepareSession(session);
    SilentMessages messages;
    FUZZ_CHECK(LoadCatalogue(session, messages), "the real catalogue refused");
    records = ReadCustomGames(session);
    std::set<int> played;
    for (const auto& record : records) {
      if (record.number < kFirstCustomGame || played.size() >= kGamesPlayed || !played.insert(record.number).second)
        continue;
      FUZZ_CHECK(!GameNameOf(session, record.number).empty() || record.name.empty(), record.name);
      fuzz::DealAndPlay(session, record.number, static_cast<std::uint32_t>(size + played.size()));
    }
  }

  fuzz::WriteScratchFile("DATA/GAM_CUST.DAT", CustomGamesText(records));
  Session session;
  fuzz::PrepareSession(session);
  FUZZ_CHECK(SameRecords(ReadCustomGames(session), records), "written records read differently");
  return 0;
}
