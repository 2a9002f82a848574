#pragma once
// What the fuzz targets of the file readers share: a scratch installation
// directory per process, a check that stops the fuzzer on a broken
// invariant, and a game dealt and played a few moves on the headless table.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/Session.h"

namespace cardoria::fuzz {

// A broken invariant: say which and stop, so libFuzzer keeps the input.
[[noreturn]] inline void Broken(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "broken invariant: %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
  std::fflush(stderr);
  __builtin_trap();
}

#define FUZZ_CHECK(condition, detail)                               \
  do {                                                              \
    if (!(condition)) ::cardoria::fuzz::Broken(#condition, detail); \
  } while (false)

// A directory of this process, emptied for each input that asks for it.
const std::string& ScratchDir();
void ClearScratch();
void WriteScratchFile(const std::string& relative, std::string_view bytes);

// A session on the scratch directory with the preferences the play tests use.
void PrepareSession(Session& session);

// Deals game `number` (its rules as the catalogue gives them) and plays a few
// moves chosen by `seed`: no card is dealt twice, every card dealt stays on
// the table exactly once, and undoing every step gives the dealt table back. False when the
// game could not be started (the player was told why).
bool DealAndPlay(Session& session, int number, std::uint32_t seed);

}  // namespace cardoria::fuzz
