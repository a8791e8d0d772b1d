// Helpers shared by the tests: scratch folders, files, environment
// overrides and running the built binary.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vt_test {

// A fresh empty folder under the system temp folder, removed with its
// content when the object goes out of scope.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return FPath; }
  std::string Sub(const std::string& rel) const;  // Path() + "/" + rel

 private:
  std::string FPath;
};

// Sets an environment variable for the scope (restores or unsets after).
class EnvOverride {
 public:
  EnvOverride(const std::string& name, const std::string& value);
  ~EnvOverride();

 private:
  std::string FName;
  bool FHad = false;
  std::string FOld;
};

// Sets TZ for the scope, calls tzset() and empties the program's cache of UTC
// offsets, on entry and on leaving.
class TzOverride {
 public:
  explicit TzOverride(const std::string& tz);
  ~TzOverride();

 private:
  EnvOverride FEnv;
};

void WriteFile(const std::string& path, const std::string& bytes);  // makes folders
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
void MakeDirs(const std::string& path);
// Names of the entries of a folder (sorted); empty when it does not exist.
std::vector<std::string> ListNames(const std::string& dir);

struct RunResult {
  int ExitCode = -1;
  std::string Out;  // standard output, raw bytes
  std::string Err;
  std::vector<std::string> Lines() const;  // Out split at "\n" (CR removed)
};
// Runs the built Visitrail with `args` and the environment changes `env`
// (value "" with a leading "-" in the name unsets, e.g. {"-HOME",""}).
// A non-empty `prefix` is a launcher run in front of the binary (searched in
// PATH), e.g. {"setpriv", "--reuid=65534", ...}: argv = prefix, exe, args.
RunResult RunVisitrail(const std::vector<std::string>& args,
                       const std::map<std::string, std::string>& env = {},
                       const std::string& cwd = std::string(),
                       const std::vector<std::string>& prefix = {});

// Starts the built Visitrail without waiting (output discarded); returns the
// process id for the caller to signal and wait for.
int StartVisitrail(const std::vector<std::string>& args,
                   const std::map<std::string, std::string>& env = {});

// tests/samples/<name>, or empty when the file is absent.
std::string SamplePath(const std::string& name);

}  // namespace vt_test
