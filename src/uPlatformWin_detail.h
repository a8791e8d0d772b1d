// Private to the Windows platform files: the helpers they share (text
// conversion, handle ownership, long paths, whole writes and the one file
// copy that both the live copies and the shadow copies use).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "uPlatform.h"
#include "uPlatformInterrupt.h"

namespace plat {
namespace detail {

// UTF-16 to UTF-8 (or to another code page).
std::string Narrow(const wchar_t* w, size_t len, UINT codePage = CP_UTF8);
std::string Narrow(const std::wstring& w, UINT codePage = CP_UTF8);

// Closes a kernel handle when the scope ends.
class THandle {
 public:
  explicit THandle(HANDLE h = INVALID_HANDLE_VALUE) : FHandle(h) {}
  ~THandle() { Close(); }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
  HANDLE Get() const { return FHandle; }
  bool Valid() const { return FHandle != INVALID_HANDLE_VALUE && FHandle != nullptr; }
  bool Close() {
    bool ok = !Valid() || CloseHandle(FHandle);
    FHandle = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE FHandle;
};

// A path for the file APIs: the extended form when it is long.
std::wstring WPath(const std::string& path);
// CreateDirectoryW stops at 248 characters, the other calls at 260: from
// this length on a path takes the extended form.
constexpr size_t kLongPathFrom = 248;
// The full path of `path` against the current folder.
std::wstring FullPath(const std::string& path);
// A full path in the extended form ("\\?\", UNC names as "\\?\UNC\")
// when it is long, unchanged otherwise.
std::wstring LongForm(const std::wstring& full);
// `name` inside `dir` (a full path), in the extended form once long.
std::wstring ChildPath(const std::wstring& dir, const std::wstring& name);
// plat::RemoveTree on a full path (the interruption's clean-up uses it on
// its own thread).
bool RemoveTreeW(const std::wstring& path);
// `name` inside `dir` (a full path), always in the extended form ("\\?\").
std::wstring ExtendedChild(const std::wstring& dir, const std::wstring& name);
// A full path in the extended form, without a final separator.
std::wstring ExtendedPath(const std::wstring& full);
// Removes what the folder held by `dir` (opened for listing, its full path
// `path`) contains, never following a link; the folder itself stays.
void EmptyHeldFolder(HANDLE dir, const std::wstring& path);
// Marks the entry of `h` (opened with DELETE) for deletion when its last
// handle closes; `attrs` are its attributes (a read-only file is made
// writable first).
bool DeleteByHandle(HANDLE h, DWORD attrs);
// The handler's part of an interruption: removes the run folder through the
// handle the run holds (no one else can open it for deletion).
void RemoveRunFolderNow();
// Held while a path of the run is created (TrackTempPath registered it):
// an interruption ends the process only once every creation is over, so
// that nothing it creates is missed. Waits for the end instead when an
// interruption has already begun.
class TCreationHold {
 public:
  TCreationHold();
  ~TCreationHold();
  TCreationHold(const TCreationHold&) = delete;
  TCreationHold& operator=(const TCreationHold&) = delete;
};
bool WriteAllTo(HANDLE h, const char* data, size_t len);
// Copies `src`, a file on disk (no device, pipe or folder), to the new
// file `dst` up to its size at open, opening the source with the given
// sharing and flags and checking it as `checks` say; false with the
// Windows error code, and nothing left at `dst`.
bool CopyWithFlags(const std::string& src, const std::string& dst, DWORD share, DWORD flags,
                   uint32_t& code, const CopyChecks& checks = CopyChecks());

// The owner of the file open as `h`: its SID as text in `id` and its
// account name ("DOMAIN\\name", or the SID where it has none) in `name`.
// False when the owner cannot be read.
bool FileOwner(HANDLE h, std::string& id, std::string& name);
// True when a file owned by `id` may be taken as `account`'s: its own, or
// the administrators' or the system's, which no unprivileged user can give
// a file (a store made by an elevated browser belongs to the
// administrators).
bool OwnerStandsFor(const std::string& id, const std::string& account);
// True under Wine, which keeps no owners: every file reads back as owned by
// the account that runs it, whoever made it.
bool UnderWine();

// Opens `path` with its default application (in an elevated run through
// the desktop's unelevated shell); false with the system's reason.
bool OpenWithShell(const std::string& path, std::string& err);

}  // namespace detail
}  // namespace plat
