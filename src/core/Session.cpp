#include "core/Session.h"

#include "platform/Paths.h"

namespace cardoria {

std::string Session::PathOf(std::string_view relative) const { return ResolvePath(programDir, relative); }

}  // namespace cardoria
