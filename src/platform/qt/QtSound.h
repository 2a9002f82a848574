#pragma once
// Sounds through Qt Multimedia. Each file is loaded once, at its first use,
// and kept for the next. A machine without an audio output, or a platform
// nobody can hear (offscreen), plays nothing and says nothing.

#include <map>
#include <memory>
#include <string>

#include "platform/Sound.h"

class QSoundEffect;

namespace cardoria {

class QtSoundPlayer final : public SoundPort {
 public:
  explicit QtSoundPlayer(std::string programDir);
  ~QtSoundPlayer() override;

  void Play(const std::string& name, SoundMode mode) override;
  void Stop() override;

  // The longest a waiting play may block, whatever the audio device does.
  static constexpr int kWaitTimeoutMs = 4000;

 private:
  // The loaded effect of a name, or null when there is no file or no device.
  QSoundEffect* Effect(const std::string& name);

  std::string programDir_;
  int available_ = -1;  // unknown until the first play
  std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* current_ = nullptr;
};

}  // namespace cardoria
