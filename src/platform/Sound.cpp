#include "platform/Sound.h"

namespace cardoria {

std::string SoundFileName(const std::string& name) {
  return name.find('.') == std::string::npos ? name + ".wav" : name;
}

}  // namespace cardoria
