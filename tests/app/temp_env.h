#pragma once

// Test helpers for files and the environment: a private folder removed afterwards, environment
// changes undone afterwards, and a stretch run as an ordinary user when the tests run as root.

#include <gtest/gtest.h>

#include <strings.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

extern char** environ;

namespace spintrak_test {

// The unprivileged account of Debian systems.
inline constexpr uid_t kNobody = 65534;

class TTempFolder {
 public:
  TTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "spintrak-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    FPath = pattern;
    // Others may pass through, so that a test running as an ordinary user reaches inside.
    std::filesystem::permissions(FPath, std::filesystem::perms(0755));
  }
  ~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

// Sets and removes variables; every one it touched gets its old value back at the end.
class TScopedEnv {
 public:
  ~TScopedEnv() {
    for (const auto& [name, value] : FSaved) {
      if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
      else
        ::unsetenv(name.c_str());
    }
  }
  void Set(const std::string& name, const std::string& value) {
    Save(name);
    ::setenv(name.c_str(), value.c_str(), 1);
  }
  void Unset(const std::string& name) {
    Save(name);
    ::unsetenv(name.c_str());
  }
  // Removes "temp" in every letter case.
  void ClearTemp() {
    for (bool found = true; found;) {
      found = false;
      for (char** e = environ; e && *e; ++e) {
        if (strncasecmp(*e, "temp=", 5) == 0) {
          Unset(std::string(*e, 4));
          found = true;
          break;
        }
      }
    }
  }

 private:
  void Save(const std::string& name) {
    if (FSaved.count(name)) return;
    const char* value = std::getenv(name.c_str());
    FSaved[name] = value ? std::optional<std::string>(value) : std::nullopt;
  }
  std::map<std::string, std::optional<std::string>> FSaved;
};

// Root may write anywhere; for tests of refused permissions the effective user becomes nobody
// for the lifetime of this object.
class TRunAsOrdinaryUser {
 public:
  TRunAsOrdinaryUser() : FWasRoot(::geteuid() == 0) {
    if (!FWasRoot) return;
    EXPECT_EQ(::setegid(kNobody), 0);
    EXPECT_EQ(::seteuid(kNobody), 0);
  }
  ~TRunAsOrdinaryUser() {
    if (!FWasRoot) return;
    EXPECT_EQ(::seteuid(0), 0);
    EXPECT_EQ(::setegid(0), 0);
  }
  TRunAsOrdinaryUser(const TRunAsOrdinaryUser&) = delete;
  TRunAsOrdinaryUser& operator=(const TRunAsOrdinaryUser&) = delete;

 private:
  bool FWasRoot;
};

}  // namespace spintrak_test
