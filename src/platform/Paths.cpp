#include "platform/Paths.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace cardoria {

namespace fs = std::filesystem;

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The stored spelling of `name` inside `dir`: the exact name when it exists,
// else the first entry in sorted order that matches without regard to case.
std::string MatchComponent(const std::string& dir, const std::string& name) {
  std::error_code ec;
  const fs::path exact = fs::path(dir.empty() ? "." : dir) / name;
  if (fs::exists(fs::symlink_status(exact, ec))) return name;
  std::string best;
  for (fs::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    if (EqualNoCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
  }
  return best.empty() ? name : best;
}

}  // namespace

std::string WithTrailingSeparator(std::string_view dir) {
  std::string result(dir);
  while (result.size() > 1 && (result.back() == '/' || result.back() == '\\')) result.pop_back();
  if (result.empty() || result.back() != '/') result += kPathSeparator;
  return result;
}

std::string ResolvePath(std::string_view dir, std::string_view relative) {
  std::string path(dir);
  if (!path.empty() && path.back() != '/') path += kPathSeparator;
  bool stillExists = true;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t end = relative.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = relative.size();
    const std::string component(relative.substr(start, end - start));
    if (!component.empty() && component != ".") {
      const std::string spelled = stillExists ? MatchComponent(path, component) : component;
      std::error_code ec;
      stillExists = stillExists && fs::exists(fs::path(path.empty() ? "." : path) / spelled, ec);
      if (!path.empty() && path.back() != '/') path += kPathSeparator;
      path += spelled;
    }
    if (end == relative.size()) break;
    if (!path.empty() && path.back() != '/') path += kPathSeparator;
    start = end + 1;
  }
  return path;
}

std::string ExecutableDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return WithTrailingSeparator(fs::current_path(ec).string());
  return WithTrailingSeparator(exe.parent_path().string());
}

std::string ChooseProgramDir(std::string_view explicitDir, std::string_view executablePath) {
  if (!explicitDir.empty()) return WithTrailingSeparator(explicitDir);
  if (const char* env = std::getenv("CARDORIA_PROGRAM_DIR"); env && *env) return WithTrailingSeparator(env);
  if (!executablePath.empty()) {
    const fs::path parent = fs::path(executablePath).parent_path();
    if (!parent.empty()) return WithTrailingSeparator(parent.string());
  }
  return ExecutableDir();
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool DirectoryExists(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool CreateDirectory(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  return DirectoryExists(path);
}

bool DeleteFile(const std::string& path) {
  std::error_code ec;
  return fs::remove(path, ec) && !ec;
}

}  // namespace cardoria
