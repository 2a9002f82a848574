#include "platform/qt/QtSound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "platform/Paths.h"
#include "platform/qt/QtPorts.h"

namespace cardoria {

QtSoundPlayer::QtSoundPlayer(std::string programDir) : programDir_(std::move(programDir)) {}

QtSoundPlayer::~QtSoundPlayer() = default;

QSoundEffect* QtSoundPlayer::Effect(const std::string& name) {
  if (available_ < 0) available_ = IsInteractivePlatform() && !QMediaDevices::audioOutputs().isEmpty() ? 1 : 0;
  if (available_ == 0) return nullptr;
  const std::string file = SoundFileName(name);
  const std::string key = QString::fromStdString(file).toLower().toStdString();
  if (auto it = effects_.find(key); it != effects_.end()) return it->second.get();
  const std::string path = ResolvePath(programDir_, "SOUNDS/" + file);
  std::unique_ptr<QSoundEffect> effect;
  if (FileExists(path)) {
    effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
  }
  // A missing file is remembered too: it is not looked for again.
  return effects_.emplace(key, std::move(effect)).first->second.get();
}

void QtSoundPlayer::Play(const std::string& name, SoundMode mode) {
  QSoundEffect* effect = Effect(name);
  // Even a name without a file ends the sound playing (the options dialog
  // stops its samples so).
  if (current_ && current_ != effect) current_->stop();
  current_ = effect;
  if (!effect) return;
  effect->setLoopCount(mode == SoundMode::Loop ? QSoundEffect::Infinite : 1);
  effect->play();
  if (mode != SoundMode::Wait) return;
  // Waiting never outlasts the timeout: a device that never reports the end
  // cannot hang the program. Input waits until the sound is over.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kWaitTimeoutMs && (effect->isPlaying() || effect->status() == QSoundEffect::Loading) &&
         effect->status() != QSoundEffect::Error)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}

void QtSoundPlayer::Stop() {
  if (current_) current_->stop();
  current_ = nullptr;
}

}  // namespace cardoria
