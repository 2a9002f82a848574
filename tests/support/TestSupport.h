#pragma once
// Fakes of the platform ports that record what was asked of them, and a
// temporary installation directory per test.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/HeadlessPorts.h"
#include "platform/Messages.h"
#include "platform/Screen.h"

namespace cardoria::test {

class RecordingMessages final : public Messages {
 public:
  struct Shown {
    std::string kind;
    std::string text;
  };
  void ShowInfo(const std::string& text, const std::string&) override { shown.push_back({"info", text}); }
  bool Confirm(const std::string& text) override {
    shown.push_back({"confirm", text});
    return answer;
  }
  bool AskYesNo(const std::string& text) override {
    shown.push_back({"yesno", text});
    return answer;
  }
  bool ShowInfoOnce(const std::string& text) override {
    shown.push_back({"once", text});
    return tickDontShowAgain;
  }
  void Fatal(const std::string& text, const std::string&) override { shown.push_back({"fatal", text}); }

  std::vector<Shown> shown;
  bool answer = true;
  bool tickDontShowAgain = false;
};

using FakeScreen = FixedScreen;

// Every reading of the tick moves it on by `step` milliseconds.
class FakeClock final : public Clock {
 public:
  std::int64_t TickMs() override { return tick += step; }
  double Now() override { return now; }
  std::int64_t tick = 1000;
  std::int64_t step = 1;
  double now = 0;
};

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cardoria-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    path_ += '/';
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& relative) const { return path_ + relative; }
  void Write(const std::string& relative, const std::string& content) const {
    std::filesystem::create_directories(std::filesystem::path(path_ + relative).parent_path());
    std::ofstream(path_ + relative, std::ios::binary) << content;
  }
  std::string Read(const std::string& relative) const {
    std::ifstream in(path_ + relative, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  bool Exists(const std::string& relative) const { return std::filesystem::exists(path_ + relative); }

 private:
  std::string path_;
};

}  // namespace cardoria::test
