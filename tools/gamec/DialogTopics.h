#pragma once
// The help pages of the dialogs and windows: one topic per context number of
// core/HelpTopics.h. A body is HTML; "@N@" in it stands for a link to the
// topic numbered N, captioned with that topic's title.

#include <vector>

namespace cardoria {

struct HelpTopic {
  int context;
  const char* title;
  const char* body;
};

// In the order the contents page lists them.
const std::vector<HelpTopic>& DialogTopics();

}  // namespace cardoria
