#pragma once
// Facts about the display the layout and the looks depend on.

namespace cardoria {

struct ScreenInfo {
  int width = 1024;
  int height = 768;
  int colorDepth = 24;  // bits per pixel
};

class Screen {
 public:
  virtual ~Screen() = default;
  virtual ScreenInfo Info() const = 0;
  bool Shows256ColorsOrFewer() const { return Info().colorDepth <= 8; }
};

}  // namespace cardoria
