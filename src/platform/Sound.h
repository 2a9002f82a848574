#pragma once
// The sound service: plays the named sounds of the SOUNDS folder. The switches
// that decide whether a sound is wanted are the callers'; a port only plays.

#include <string>

namespace cardoria {

enum class SoundMode {
  Async,  // starts and returns at once
  Wait,   // returns when the sound has ended
  Loop,   // repeats until stopped
};

class SoundPort {
 public:
  virtual ~SoundPort() = default;
  // A new sound replaces the one playing. A missing file plays nothing.
  virtual void Play(const std::string& name, SoundMode mode) = 0;
  virtual void Stop() = 0;
};

// The file of a sound name: names without an extension are ".wav" files.
std::string SoundFileName(const std::string& name);

}  // namespace cardoria
