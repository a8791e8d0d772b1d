// Internet Explorer / legacy Edge history: the worker that dumps a WebCache
// snapshot to a TAB-separated file, and the parent side that snapshots the
// folder, runs the worker as a child process and reads its result.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "uTypes.h"

// Worker side ------------------------------------------------------------------
// At least three arguments (program path included) and argument 1 equal to
// "/worker:dump" ignoring case.
bool IsWorkerCommandLine(const std::vector<std::string>& args);
int RunWorker(const std::vector<std::string>& args);
bool DumpWebCache(const std::string& snapshotDir, const std::string& tsvPath, std::string& msg);
bool IsPlausibleFileTime(int64_t v);

// Parent side ------------------------------------------------------------------
struct TWebCacheFilter {
  int64_t FromUnix = 0;
  int64_t ToUnix = 0;
  const std::vector<std::string>* Include = nullptr;  // null or empty = no test
  const std::vector<std::string>* Exclude = nullptr;
  bool Privacy = false;
};

int32_t CollectWebCache(const std::string& datPath, THistoryList& list,
                        const std::string& browserId, const std::string& browserName,
                        const std::string& profile, const TWebCacheFilter& filter,
                        std::string& message, TSourceStatus& status);
bool SnapshotWebCacheFolder(const std::string& sourceDir, const std::string& targetDir,
                            uint32_t& code);
bool SpawnDumpWorker(const std::string& snapshotDir, const std::string& tsvPath,
                     int32_t& exitCode);
void DeleteFolderTree(const std::string& folder);

// How long the parent waits for the worker (120 s; tests shorten it).
void SetWorkerTimeoutMs(uint32_t ms);
// The executable started as the worker (the running program; tests may
// point it at the built binary).
void SetWorkerExecutable(const std::string& path);
