// Volume shadow copies on Windows: files a process holds without sharing,
// copied as they stood at one instant.
#include <windows.h>

#include <objbase.h>
// The shadow-copy service's requester interface (bound at run time).
#include <vss.h>
#include <vswriter.h>
#include <vsbackup.h>

#include <cstdio>

#include "uPlatform.h"
#include "uPlatformWin_detail.h"

namespace plat {
namespace {
using detail::Narrow;
using detail::THandle;
using detail::Wide;
using detail::WPath;
}  // namespace

// ---- Volume shadow copies ------------------------------------------------

namespace {

// Making the shadow copy: the service freezes writes for ten seconds at
// most, but may first wait for another requester's set.
constexpr DWORD kShadowLimitMs = 120000;

// "step（0x80042306：text）": the service's own codes carry no system text.
std::string ShadowReason(const std::string& step, HRESULT hr) {
  const char* known = nullptr;
  switch (hr) {
    case VSS_E_VOLUME_NOT_SUPPORTED: known = "该卷不支持卷影副本"; break;
    case VSS_E_MAXIMUM_NUMBER_OF_SNAPSHOTS_REACHED: known = "卷影副本数量已达上限"; break;
    case VSS_E_SNAPSHOT_SET_IN_PROGRESS: known = "另一个卷影副本正在创建"; break;
    case VSS_E_INSUFFICIENT_STORAGE: known = "卷影副本存储空间不足"; break;
    case VSS_E_PROVIDER_VETO: known = "卷影副本提供程序拒绝了请求"; break;
    case VSS_E_UNEXPECTED_PROVIDER_ERROR: known = "卷影副本提供程序出错"; break;
    case VSS_E_PROVIDER_NOT_REGISTERED: known = "没有可用的卷影副本提供程序"; break;
    case VSS_E_BAD_STATE: known = "卷影复制服务不接受此时的请求"; break;
    case VSS_E_UNEXPECTED: known = "卷影复制服务出现意外错误"; break;
    default: break;
  }
  const std::string text = known ? known : SystemErrorMessage(static_cast<uint32_t>(hr));
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
  return step + "（" + code + (text.empty() ? std::string() : "：" + text) + "）";
}

// vssapi.dll from the system folder: an import would be looked for beside
// the program first.
struct TVssApi {
  using TCreate = HRESULT(WINAPI*)(IVssBackupComponents**);
  using TFreeProps = void(WINAPI*)(VSS_SNAPSHOT_PROP*);
  TCreate Create = nullptr;
  TFreeProps FreeProps = nullptr;
  DWORD LoadError = 0;
};

template <typename T>
T Proc(HMODULE module, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const TVssApi& VssApi() {
  static const TVssApi api = [] {
    TVssApi a;
    const std::string path = SystemToolPath("vssapi.dll");
    HMODULE m = path.empty() ? nullptr
                             : LoadLibraryExW(Wide(path).c_str(), nullptr,
                                              LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!m) {
      a.LoadError = path.empty() ? ERROR_PATH_NOT_FOUND : GetLastError();
      return a;
    }
    a.Create = Proc<TVssApi::TCreate>(m, "CreateVssBackupComponentsInternal");
    if (!a.Create)  // systems before the plain name: the C++ one
      a.Create = Proc<TVssApi::TCreate>(m, "?CreateVssBackupComponents@@YAJPEAPEAVIVssBackupComponents@@@Z");
    a.FreeProps = Proc<TVssApi::TFreeProps>(m, "VssFreeSnapshotPropertiesInternal");
    if (!a.FreeProps) a.FreeProps = Proc<TVssApi::TFreeProps>(m, "VssFreeSnapshotProperties");
    if (!a.Create) a.LoadError = ERROR_PROC_NOT_FOUND;
    return a;
  }();
  return api;
}

// Waits for an operation of the service, cancelling it on interruption or
// at the limit; the operation's own result (VSS_S_ASYNC_FINISHED on
// success). `finished`: the operation completed, even when a cancel came
// too late to stop it (the shadow copy then exists all the same).
HRESULT WaitForService(IVssAsync* async, DWORD limitMs, bool& finished) {
  finished = false;
  const DWORD start = GetTickCount();
  DWORD cancelledAt = 0;
  HRESULT result = VSS_S_ASYNC_PENDING;
  HRESULT abandoned = S_OK;
  for (;;) {
    HRESULT hr = async->QueryStatus(&result, nullptr);
    if (FAILED(hr)) {
      result = hr;
      break;
    }
    if (result != VSS_S_ASYNC_PENDING) {
      finished = result == VSS_S_ASYNC_FINISHED;
      break;
    }
    if (abandoned == S_OK && (InterruptRequested() || GetTickCount() - start >= limitMs)) {
      abandoned = HRESULT_FROM_WIN32(InterruptRequested() ? ERROR_OPERATION_ABORTED : ERROR_TIMEOUT);
      async->Cancel();
      cancelledAt = GetTickCount();
    }
    // A cancelled operation normally ends at once; it is not waited for
    // long, and after an interruption hardly at all: the interruption's
    // clean-up waits for this thread, and a closed console ends the process
    // a few seconds on.
    const DWORD patience = InterruptRequested() ? 2000 : 10000;
    if (abandoned != S_OK && GetTickCount() - cancelledAt >= patience) break;
    Sleep(abandoned != S_OK ? 20 : 100);
  }
  async->Release();
  return abandoned != S_OK ? abandoned : result;
}

// One shadow copy of one volume, made by the service without writers
// (a crash-consistent image, which is what a database's own recovery
// expects), not persistent and released automatically: deleted explicitly
// when this object ends, and by the service itself should the process end
// first. While it exists an interruption waits for the main thread to
// delete it.
class TShadowCopy {
 public:
  TShadowCopy() { detail::BeginExitHold(); }
  ~TShadowCopy() {
    if (FBackup) {
      if (FStarted && !FMade) FBackup->AbortBackup();
      if (FStarted) {
        LONG deleted = 0;
        VSS_ID notDeleted = {};
        FBackup->DeleteSnapshots(FSetId, VSS_OBJECT_SNAPSHOT_SET, TRUE, &deleted, &notDeleted);
      }
      FBackup->Release();
    }
    if (FComReady) CoUninitialize();
    detail::EndExitHold();
  }
  TShadowCopy(const TShadowCopy&) = delete;
  TShadowCopy& operator=(const TShadowCopy&) = delete;

  // `volume` as "\\?\Volume{…}\"; false with the reason.
  bool Make(const std::wstring& volume, std::string& reason) {
    EnableBackupPrivilege();
    HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(hr)) {
      FComReady = true;
    } else if (hr != RPC_E_CHANGED_MODE) {  // already set up otherwise: usable as it is
      reason = ShadowReason("初始化 COM", hr);
      return false;
    }
    // The security a requester declares; too late when COM was set up
    // before, which changes nothing for a requester without writers.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                         RPC_C_IMP_LEVEL_IDENTIFY, nullptr, EOAC_DYNAMIC_CLOAKING, nullptr);
    const TVssApi& api = VssApi();
    if (!api.Create) {
      reason = ShadowReason("加载 vssapi.dll", HRESULT_FROM_WIN32(api.LoadError));
      return false;
    }
    hr = api.Create(&FBackup);
    if (FAILED(hr) || !FBackup) {
      FBackup = nullptr;
      reason = ShadowReason("连接卷影复制服务", FAILED(hr) ? hr : E_UNEXPECTED);
      return false;
    }
    if (FAILED(hr = FBackup->InitializeForBackup(nullptr))) {
      reason = ShadowReason("连接卷影复制服务", hr);
      return false;
    }
    if (FAILED(hr = FBackup->SetContext(VSS_CTX_FILE_SHARE_BACKUP))) {
      reason = ShadowReason("设置卷影副本类型", hr);
      return false;
    }
    if (FAILED(hr = FBackup->StartSnapshotSet(&FSetId))) {
      reason = ShadowReason("创建卷影副本", hr);
      return false;
    }
    FStarted = true;
    VSS_ID snapshotId = {};
    std::wstring name = volume;
    if (FAILED(hr = FBackup->AddToSnapshotSet(&name[0], VSS_ID{}, &snapshotId))) {
      reason = ShadowReason("将卷加入卷影副本", hr);
      return false;
    }
    IVssAsync* async = nullptr;
    if (FAILED(hr = FBackup->DoSnapshotSet(&async)) || !async) {
      reason = ShadowReason("创建卷影副本", FAILED(hr) ? hr : E_UNEXPECTED);
      return false;
    }
    bool finished = false;
    hr = WaitForService(async, kShadowLimitMs, finished);
    // A set that was completed while a cancel was on its way is deleted like
    // any other made; one whose end is unknown is aborted and, should it
    // exist after all, deleted too.
    FMade = finished;
    if (hr != VSS_S_ASYNC_FINISHED) {
      reason = ShadowReason("创建卷影副本", hr == VSS_S_ASYNC_CANCELLED ? E_ABORT : hr);
      return false;
    }
    VSS_SNAPSHOT_PROP prop = {};
    if (FAILED(hr = FBackup->GetSnapshotProperties(snapshotId, &prop))) {
      reason = ShadowReason("读取卷影副本属性", hr);
      return false;
    }
    if (prop.m_pwszSnapshotDeviceObject) FDevice = prop.m_pwszSnapshotDeviceObject;
    if (api.FreeProps) {
      api.FreeProps(&prop);
    } else {
      CoTaskMemFree(prop.m_pwszSnapshotDeviceObject);
      CoTaskMemFree(prop.m_pwszOriginalVolumeName);
      CoTaskMemFree(prop.m_pwszOriginatingMachine);
      CoTaskMemFree(prop.m_pwszServiceMachine);
      CoTaskMemFree(prop.m_pwszExposedName);
      CoTaskMemFree(prop.m_pwszExposedPath);
    }
    if (FDevice.empty()) {
      reason = ShadowReason("读取卷影副本属性", E_UNEXPECTED);
      return false;
    }
    return true;
  }

  // "\\?\GLOBALROOT\Device\HarddiskVolumeShadowCopyN"
  const std::wstring& Device() const { return FDevice; }

 private:
  IVssBackupComponents* FBackup = nullptr;
  bool FComReady = false;
  bool FStarted = false;
  bool FMade = false;
  VSS_ID FSetId = {};
  std::wstring FDevice;
};

// The volume of a folder ("\\?\Volume{…}\") and the folder's path below the
// volume's root ("\Users\…"), with links, junctions and mount points
// resolved. The folder is opened without any data access, which neither
// needs nor disturbs anyone's sharing.
bool VolumeOfFolder(const std::string& dir, std::wstring& volume, std::wstring& below,
                    std::string& reason) {
  THandle h(CreateFileW(WPath(dir).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!h.Valid()) {
    reason = ShadowReason("打开文件夹 " + dir, HRESULT_FROM_WIN32(GetLastError()));
    return false;
  }
  auto finalPath = [&](DWORD flags, std::wstring& out) {
    DWORD n = GetFinalPathNameByHandleW(h.Get(), nullptr, 0, flags);
    if (n == 0) return false;
    out.assign(n, L'\0');
    n = GetFinalPathNameByHandleW(h.Get(), &out[0], n, flags);
    if (n == 0 || n >= out.size()) return false;
    out.resize(n);
    return true;
  };
  std::wstring full;
  if (!finalPath(FILE_NAME_NORMALIZED | VOLUME_NAME_GUID, full) ||
      !finalPath(FILE_NAME_NORMALIZED | VOLUME_NAME_NONE, below)) {
    reason = ShadowReason("确定 " + dir + " 所在的卷", HRESULT_FROM_WIN32(GetLastError()));
    return false;
  }
  if (below.empty() || full.size() <= below.size() ||
      full.compare(full.size() - below.size(), below.size(), below) != 0) {
    reason = ShadowReason("确定 " + dir + " 所在的卷", HRESULT_FROM_WIN32(ERROR_INVALID_NAME));
    return false;
  }
  volume = full.substr(0, full.size() - below.size());
  if (volume.back() != L'\\') volume += L'\\';
  if (below.back() != L'\\') below += L'\\';
  return true;
}

}  // namespace

bool CopyFromShadow(const std::vector<ShadowFile>& files, std::string& reason) {
  reason.clear();
  if (files.empty()) return true;
  if (InterruptRequested()) {  // nothing new is made now
    reason = ShadowReason("创建卷影副本", HRESULT_FROM_WIN32(ERROR_OPERATION_ABORTED));
    return false;
  }
  // Where each file lies inside the shadow copy.
  std::wstring volume;
  std::vector<std::wstring> inShadow;
  for (const ShadowFile& f : files) {
    const size_t sep = f.Src.find_last_of("\\/");
    std::string dir = sep == std::string::npos ? CurrentDir() : f.Src.substr(0, sep);
    if (dir.empty() || dir.back() == ':') dir += '\\';  // a drive's root
    const std::string name = sep == std::string::npos ? f.Src : f.Src.substr(sep + 1);
    std::wstring vol, below;
    if (!VolumeOfFolder(dir, vol, below, reason)) return false;
    if (volume.empty()) {
      volume = vol;
    } else if (_wcsicmp(vol.c_str(), volume.c_str()) != 0) {
      reason = "文件不在同一个卷上";
      return false;
    }
    inShadow.push_back(below + Wide(name));
  }

  TShadowCopy shadow;
  if (!shadow.Make(volume, reason)) return false;
  std::vector<const ShadowFile*> written;
  for (size_t i = 0; i < files.size(); ++i) {
    const std::wstring src = shadow.Device() + inShadow[i];
    if (files[i].IfPresent && GetFileAttributesW(src.c_str()) == INVALID_FILE_ATTRIBUTES) {
      const DWORD err = GetLastError();
      if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND) continue;
    }
    uint32_t code = 0;
    // The shadow is read-only and ours alone; backup semantics reach other
    // users' files as they do on the live volume.
    if (!detail::CopyWithFlags(Narrow(src), files[i].Dst,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       FILE_FLAG_BACKUP_SEMANTICS, code)) {
      const size_t sep = files[i].Src.find_last_of("\\/");
      reason = ShadowReason("从卷影副本复制 " + files[i].Src.substr(sep == std::string::npos ? 0 : sep + 1),
                            HRESULT_FROM_WIN32(code));
      for (const ShadowFile* w : written) DeleteFileW(WPath(w->Dst).c_str());
      return false;
    }
    written.push_back(&files[i]);
  }
  return true;
}

}  // namespace plat
