// Removal of the run's files and folders on Windows, through handles. A
// folder is held open without delete sharing while it is emptied (so it can
// be neither renamed nor swapped for a junction), listed from that handle,
// and each entry is opened under it, checked to be the entry listed (its
// file id), and deleted through its own handle: no name is looked up twice,
// and a link, junction or mount point is unlinked itself, never entered.
#include <windows.h>

#include <string>
#include <vector>

#include "uPlatform.h"
#include "uPlatformWin_detail.h"

namespace plat {
namespace detail {
namespace {

constexpr int kMaxDepth = 64;

bool Gone(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES &&
         GetLastError() != ERROR_ACCESS_DENIED;
}

// An entry opened for deletion, never through a link: shared for reading
// and writing only, so that no one renames or deletes it meanwhile. Only a
// folder to be listed is opened for reading: a copy being written (shared
// for deletion alone) can still be opened this way.
HANDLE OpenForDelete(const std::wstring& path, bool listing) {
  const DWORD access = DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES | SYNCHRONIZE |
                       (listing ? FILE_LIST_DIRECTORY : 0);
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                     nullptr);
}

bool IsRealFolder(DWORD attrs) {
  return (attrs & FILE_ATTRIBUTE_DIRECTORY) && !(attrs & FILE_ATTRIBUTE_REPARSE_POINT);
}

struct TListed {
  std::wstring Name;
  LARGE_INTEGER Id;
  DWORD Attrs;
};

// The entries of the folder `dir` holds, from its own handle.
std::vector<TListed> ListHeld(HANDLE dir) {
  std::vector<TListed> out;
  // DWORD-aligned, as the listing's records require.
  std::vector<DWORD> buf(16384);
  FILE_INFO_BY_HANDLE_CLASS kind = FileIdBothDirectoryRestartInfo;
  while (GetFileInformationByHandleEx(dir, kind, buf.data(),
                                      static_cast<DWORD>(buf.size() * sizeof(DWORD)))) {
    kind = FileIdBothDirectoryInfo;
    const char* at = reinterpret_cast<const char*>(buf.data());
    for (;;) {
      const auto* e = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(at);
      std::wstring name(e->FileName, e->FileNameLength / sizeof(wchar_t));
      if (name != L"." && name != L"..") out.push_back({name, e->FileId, e->FileAttributes});
      if (e->NextEntryOffset == 0) break;
      at += e->NextEntryOffset;
    }
  }
  return out;
}

bool SameId(HANDLE h, const LARGE_INTEGER& id, DWORD& attrs) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(h, &info)) return false;
  attrs = info.dwFileAttributes;
  const uint64_t mine = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return mine == static_cast<uint64_t>(id.QuadPart);
}

void EmptyHeldAt(HANDLE dir, const std::wstring& path, int depth);

// One listed entry: opened by its name under the held folder, taken only
// when it is still the entry listed, emptied when it is a real folder, and
// deleted through its handle (the name goes when the handle closes).
void RemoveListed(const std::wstring& parent, const TListed& entry, int depth) {
  const std::wstring path = ExtendedChild(parent, entry.Name);
  const bool listing = IsRealFolder(entry.Attrs);
  THandle h(OpenForDelete(path, listing));
  DWORD attrs = 0;
  if (!h.Valid() || !SameId(h.Get(), entry.Id, attrs)) return;
  if (listing && IsRealFolder(attrs) && depth < kMaxDepth) EmptyHeldAt(h.Get(), path, depth + 1);
  DeleteByHandle(h.Get(), attrs);
}

void EmptyHeldAt(HANDLE dir, const std::wstring& path, int depth) {
  // A pass that removed something may have hidden entries from the listing:
  // listed again until one removes nothing.
  for (int pass = 0; pass < 8; ++pass) {
    const std::vector<TListed> entries = ListHeld(dir);
    if (entries.empty()) return;
    for (const TListed& e : entries) RemoveListed(path, e, depth);
  }
}

}  // namespace

std::wstring ExtendedChild(const std::wstring& dir, const std::wstring& name) {
  std::wstring child = dir;
  if (child.empty() || (child.back() != L'\\' && child.back() != L'/')) child += L'\\';
  child += name;
  if (child.compare(0, 4, L"\\\\?\\") == 0) return child;
  if (child.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + child.substr(2);
  return L"\\\\?\\" + child;
}

std::wstring ExtendedPath(const std::wstring& full) {
  std::wstring path = ExtendedChild(full, L"");
  // "\\?\C:\x\" names the same entry without its final separator.
  while (path.size() > 7 && path.back() == L'\\') path.pop_back();
  return path;
}

bool DeleteByHandle(HANDLE h, DWORD attrs) {
  FILE_DISPOSITION_INFO gone = {};
  gone.DeleteFile = TRUE;
  if (SetFileInformationByHandle(h, FileDispositionInfo, &gone, sizeof gone)) return true;
  // A read-only file refuses deletion until the attribute is taken off.
  if (!(attrs & FILE_ATTRIBUTE_READONLY)) return false;
  FILE_BASIC_INFO basic = {};
  basic.FileAttributes = (attrs & ~FILE_ATTRIBUTE_READONLY) | FILE_ATTRIBUTE_NORMAL;
  return SetFileInformationByHandle(h, FileBasicInfo, &basic, sizeof basic) &&
         SetFileInformationByHandle(h, FileDispositionInfo, &gone, sizeof gone);
}

void EmptyHeldFolder(HANDLE dir, const std::wstring& path) { EmptyHeldAt(dir, path, 0); }

bool RemoveTreeW(const std::wstring& path) {
  const std::wstring target = ExtendedPath(path);
  {
    THandle h(OpenForDelete(target, false));
    BY_HANDLE_FILE_INFORMATION info;
    if (!h.Valid() || !GetFileInformationByHandle(h.Get(), &info)) return Gone(target);
    if (IsRealFolder(info.dwFileAttributes)) {
      // Held above without delete sharing, the name cannot be given to
      // another entry meanwhile: listed through a second handle to it.
      THandle list(CreateFileW(target.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
      LARGE_INTEGER id;
      id.QuadPart = static_cast<LONGLONG>((static_cast<uint64_t>(info.nFileIndexHigh) << 32) |
                                          info.nFileIndexLow);
      DWORD attrs = 0;
      if (list.Valid() && SameId(list.Get(), id, attrs)) EmptyHeldAt(list.Get(), target, 0);
    }
    DeleteByHandle(h.Get(), info.dwFileAttributes);
  }
  return Gone(target);
}

}  // namespace detail
}  // namespace plat
