// soundgen: the sounds of the SOUNDS folder, the same bytes on every run.

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/Paths.h"
#include "platform/Sound.h"
#include "support/RunCommand.h"
#include "support/TestSupport.h"

namespace cardoria {
namespace {

using test::TempDir;

std::uint32_t U32(const std::string& s, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
  return v;
}

TEST(Soundgen, WritesEverySoundOfPlayAsAWaveFileTheSameEachTime) {
  TempDir first, second;
  for (TempDir* dir : {&first, &second}) {
    const test::CommandRun run = test::RunCommand("'" CARDORIA_SOUNDGEN "' '" + dir->Path() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.output;
  }
  // The names play asks for, with and without an extension, found in any case.
  for (const char* name :
       {"Splash",  "About.wav",      "New",          "Restart",  "Shuffle", "Stock",     "Redeal",      "Red_no_a",
        "Tableau", "Foundation.wav", "Autoplay.wav", "Eddy.wav", "Reorder", "Pairing",   "card_up.wav", "card_down.wav",
        "Face_up", "Undo",           "Redo",         "Won",      "Hi-Scor", "Scores.wav"}) {
    const std::string path = ResolvePath(first.Path(), SoundFileName(name));
    ASSERT_TRUE(FileExists(path)) << name;
    const std::string wav = first.Read(path.substr(first.Path().size()));
    ASSERT_GT(wav.size(), 44u) << name;
    EXPECT_EQ(wav.substr(0, 4), "RIFF") << name;
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ") << name;
    EXPECT_EQ(U32(wav, 4), wav.size() - 8) << name;
    EXPECT_EQ(U32(wav, 40), wav.size() - 44) << name;
    // Short: a sound of play is over in two seconds.
    EXPECT_LT(U32(wav, 40), 2u * 2 * U32(wav, 24)) << name;
    EXPECT_EQ(second.Read(path.substr(first.Path().size())), wav) << name;
  }
}

}  // namespace
}  // namespace cardoria
