// Opening the finished report with the desktop's default application.
#include <windows.h>

#include <exdisp.h>
#include <objbase.h>
#include <oleauto.h>
#include <servprov.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

#include "uPlatform.h"
#include "uPlatformWin_detail.h"

namespace plat {
namespace {

using detail::Wide;

std::string CodeReason(DWORD code) {
  std::string text = SystemErrorMessage(code);
  if (text.empty()) text = "错误码 " + std::to_string(code);
  return text;
}

std::string ComReason(const char* step, HRESULT hr) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
  const std::string text = SystemErrorMessage(static_cast<uint32_t>(hr));
  return std::string(step) + "（" + code + (text.empty() ? std::string() : "：" + text) + "）";
}

// Releases a COM interface when the scope ends.
template <typename T>
class TCom {
 public:
  TCom() = default;
  ~TCom() {
    if (FPtr) FPtr->Release();
  }
  TCom(const TCom&) = delete;
  TCom& operator=(const TCom&) = delete;
  T* operator->() const { return FPtr; }
  T* Get() const { return FPtr; }
  void** Out() { return reinterpret_cast<void**>(&FPtr); }
  T** OutTyped() { return &FPtr; }

 private:
  T* FPtr = nullptr;
};

// The desktop's own shell, which runs as the logged-on user without
// elevation, is asked to open the file: the program it starts is that
// user's, not an elevated one holding this run's rights.
bool OpenThroughDesktopShell(const std::wstring& file, std::string& err) {
  TCom<IShellWindows> windows;
  HRESULT hr = CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                windows.Out());
  if (FAILED(hr) || !windows.Get()) {
    err = ComReason("找不到桌面外壳", FAILED(hr) ? hr : E_NOINTERFACE);
    return false;
  }
  VARIANT none;
  VariantInit(&none);
  long window = 0;
  TCom<IDispatch> desktop;
  hr = windows->FindWindowSW(&none, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH,
                             desktop.OutTyped());
  if (hr != S_OK || !desktop.Get()) {
    err = ComReason("找不到桌面外壳", FAILED(hr) ? hr : HRESULT_FROM_WIN32(ERROR_NOT_FOUND));
    return false;
  }
  TCom<IServiceProvider> services;
  TCom<IShellBrowser> browser;
  TCom<IShellView> view;
  TCom<IDispatch> background;
  TCom<IShellFolderViewDual> folderView;
  TCom<IDispatch> application;
  TCom<IShellDispatch2> shell;
  if (FAILED(hr = desktop->QueryInterface(IID_IServiceProvider, services.Out())) ||
      FAILED(hr = services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.Out())) ||
      FAILED(hr = browser->QueryActiveShellView(view.OutTyped())) ||
      FAILED(hr = view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.Out())) ||
      FAILED(hr = background->QueryInterface(IID_IShellFolderViewDual, folderView.Out())) ||
      FAILED(hr = folderView->get_Application(application.OutTyped())) ||
      FAILED(hr = application->QueryInterface(IID_IShellDispatch2, shell.Out()))) {
    err = ComReason("无法连接桌面外壳", hr);
    return false;
  }
  BSTR name = SysAllocString(file.c_str());
  BSTR verb = SysAllocString(L"open");
  VARIANT args, dir, operation, show;
  VariantInit(&args);
  VariantInit(&dir);
  VariantInit(&operation);
  operation.vt = VT_BSTR;
  operation.bstrVal = verb;
  VariantInit(&show);
  show.vt = VT_I4;
  show.lVal = SW_SHOWNORMAL;
  hr = name && verb ? shell->ShellExecute(name, args, dir, operation, show) : E_OUTOFMEMORY;
  SysFreeString(name);
  SysFreeString(verb);
  if (FAILED(hr)) {
    err = ComReason("桌面外壳无法打开", hr);
    return false;
  }
  return true;
}

// The account a token runs as, as bytes of its SID; empty when unknown.
std::vector<BYTE> TokenUserSid(HANDLE token) {
  std::vector<BYTE> buf(256);
  DWORD size = 0;
  if (!GetTokenInformation(token, TokenUser, buf.data(), static_cast<DWORD>(buf.size()), &size))
    return std::vector<BYTE>();
  const PSID sid = reinterpret_cast<TOKEN_USER*>(buf.data())->User.Sid;
  const BYTE* bytes = static_cast<const BYTE*>(sid);
  return std::vector<BYTE>(bytes, bytes + GetLengthSid(sid));
}

std::vector<BYTE> ProcessUserSid(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::vector<BYTE>();
  std::vector<BYTE> sid = TokenUserSid(token);
  CloseHandle(token);
  return sid;
}

// An elevated run started with another account's credentials (an
// administrator's, typed in over a standard user's desktop) must not hand
// a report of everyone's history to that user's desktop: the report goes to
// the shell only when the process behind the shell's window (explorer.exe)
// runs as this run's account.
bool ShellRunsAsThisUser(std::string& err) {
  // Taken from the system folder when asked: a console run has no other use
  // for the window manager's library, and imports from the system's core
  // libraries alone.
  using TGetShellWindow = HWND(WINAPI*)();
  using TGetWindowThreadProcessId = DWORD(WINAPI*)(HWND, DWORD*);
  const std::string user32 = SystemToolPath("user32.dll");
  const HMODULE m = user32.empty() ? nullptr
                                   : LoadLibraryExW(Wide(user32).c_str(), nullptr,
                                                    LOAD_WITH_ALTERED_SEARCH_PATH);
  const auto getShellWindow = m ? reinterpret_cast<TGetShellWindow>(reinterpret_cast<void (*)()>(
                                      GetProcAddress(m, "GetShellWindow")))
                                : nullptr;
  const auto windowProcess =
      m ? reinterpret_cast<TGetWindowThreadProcessId>(
              reinterpret_cast<void (*)()>(GetProcAddress(m, "GetWindowThreadProcessId")))
        : nullptr;
  const HWND window = getShellWindow && windowProcess ? getShellWindow() : nullptr;
  DWORD pid = 0;
  if (!window || !windowProcess(window, &pid) || pid == 0) {
    err = "找不到桌面外壳窗口，未打开报告";
    return false;
  }
  detail::THandle shell(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  const std::vector<BYTE> theirs = shell.Valid() ? ProcessUserSid(shell.Get()) : std::vector<BYTE>();
  const std::vector<BYTE> ours = ProcessUserSid(GetCurrentProcess());
  if (theirs.empty() || ours.empty()) {
    err = "无法确认桌面外壳的运行用户（" + CodeReason(GetLastError()) + "），未打开报告";
    return false;
  }
  if (theirs != ours) {
    err = "桌面外壳以其他用户身份运行，为免他人看到报告，未打开报告";
    return false;
  }
  return true;
}

}  // namespace

namespace detail {

bool OpenWithShell(const std::string& path, std::string& err) {
  err.clear();
  const std::wstring file = Wide(path);
  // Shell extensions behind "open" may be COM objects.
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  bool ok;
  if (IsElevated()) {
    // The desktop shell opens in the background and reports nothing: what
    // can be known beforehand is checked here.
    ok = GetFileAttributesW(detail::WPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!ok)
      err = CodeReason(GetLastError());
    else
      ok = ShellRunsAsThisUser(err) && OpenThroughDesktopShell(file, err);
  } else {
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    // The program ends right after this: the activation must be complete
    // when the call returns. Failures come back here, not as a dialog.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    ok = ShellExecuteExW(&info) != 0;
    if (!ok) err = CodeReason(GetLastError());
  }
  if (SUCCEEDED(init)) CoUninitialize();
  return ok;
}

}  // namespace detail

bool ShellOpen(const std::string& path, std::string& err) {
  return detail::OpenWithShell(path, err);
}

}  // namespace plat
