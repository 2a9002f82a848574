#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace cardoria {

bool WriteFileAtomic(const std::string& path, std::string_view content) {
  std::string temp = path + ".tmpXXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = true;
  std::size_t written = 0;
  while (ok && written < content.size()) {
    const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n <= 0)
      ok = false;
    else
      written += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  // New files get the usual permissions rather than mkstemp's owner-only ones.
  ok = ok && ::chmod(temp.c_str(), 0644) == 0;
  if (ok && std::rename(temp.c_str(), path.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<std::size_t>(size) > limit) return std::nullopt;
  in.seekg(0, std::ios::beg);
  std::string content(static_cast<std::size_t>(size), '\0');
  if (size > 0 && !in.read(content.data(), size)) return std::nullopt;
  return content;
}

}  // namespace cardoria
