// The catalogue of browsers and where each keeps its data below a user
// folder.
#include "uBrowsers.h"
#include "uPlatform.h"

namespace {

// Catalogue templates are written the Windows way; other platforms get their
// own separator so the expanded folders can be tested directly.
std::string NativePath(const char* tmpl) {
  std::string s = tmpl;
  for (char& c : s)
    if (c == '\\') c = plat::kPathSep;
  return s;
}

void AddDef(TBrowserDefs& defs, const char* id, const char* name, TBrowserFamily family,
            const char* root, const char* channel = "", bool native = false) {
  defs.emplace_back();
  TBrowserEntry& e = defs.back();
  e.Id = id;
  e.Name = name;
  e.Family = family;
  e.Root = NativePath(root);
  e.Channel = channel;
  e.Native = native;
}

void AddNative(TBrowserDefs& defs, const char* id, const char* name, TBrowserFamily family,
               const char* root, const char* channel = "") {
  AddDef(defs, id, name, family, root, channel, true);
}

}  // namespace

void GetBrowserDefs(TBrowserDefs& defs) {
  defs.clear();
  AddDef(defs, "chrome", "Google Chrome", bfChromium, "%L%\\Google\\Chrome\\User Data");
  AddDef(defs, "edge", "Microsoft Edge", bfChromium, "%L%\\Microsoft\\Edge\\User Data");
  AddDef(defs, "brave", "Brave", bfChromium, "%L%\\BraveSoftware\\Brave-Browser\\User Data");
  AddDef(defs, "vivaldi", "Vivaldi", bfChromium, "%L%\\Vivaldi\\User Data");
  AddDef(defs, "chromium", "Chromium", bfChromium, "%L%\\Chromium\\User Data");
  AddDef(defs, "yandex", "Yandex Browser", bfChromium, "%L%\\Yandex\\YandexBrowser\\User Data");
  AddDef(defs, "opera", "Opera", bfChromium, "%R%\\Opera Software\\Opera Stable");
  AddDef(defs, "operagx", "Opera GX", bfChromium, "%R%\\Opera Software\\Opera GX Stable");
  AddDef(defs, "qq", "QQ 浏览器", bfChromium, "%L%\\Tencent\\QQBrowser\\User Data");
  AddDef(defs, "qq_r", "QQ 浏览器", bfChromium, "%R%\\Tencent\\QQBrowser\\User Data", "roaming");
  AddDef(defs, "360se", "360 安全浏览器", bfChromium, "%R%\\360se6\\User Data");
  AddDef(defs, "360se_l", "360 安全浏览器", bfChromium, "%L%\\360se6\\User Data", "local");
  AddDef(defs, "360chrome", "360 极速浏览器", bfChromium, "%L%\\360Chrome\\Chrome\\User Data");
  AddDef(defs, "sogou", "搜狗高速浏览器", bfChromium, "%R%\\SogouExplorer\\Webkit");
  AddDef(defs, "sogou_l", "搜狗高速浏览器", bfChromium, "%L%\\SogouExplorer\\Webkit", "local");
  AddDef(defs, "2345", "2345 加速浏览器", bfChromium, "%R%\\2345Explorer\\User Data");
  AddDef(defs, "liebao", "猎豹浏览器", bfChromium, "%R%\\liebao\\User Data");
  AddDef(defs, "liebao_l", "猎豹浏览器", bfChromium, "%L%\\liebao\\User Data", "local");
  AddDef(defs, "theworld", "世界之窗浏览器", bfChromium, "%R%\\TheWorld6\\User Data");
  AddDef(defs, "115", "115 浏览器", bfChromium, "%L%\\115Chrome\\User Data");
  AddDef(defs, "maxthon", "傲游浏览器", bfChromium, "%R%\\Maxthon5\\Users");
  AddDef(defs, "firefox", "Mozilla Firefox", bfFirefox, "%R%\\Mozilla\\Firefox");
  AddDef(defs, "waterfox", "Waterfox", bfFirefox, "%R%\\Waterfox");
  AddDef(defs, "palemoon", "Pale Moon", bfFirefox, "%R%\\Moonchild Productions\\Pale Moon");
  AddDef(defs, "librewolf", "LibreWolf", bfFirefox, "%R%\\LibreWolf");
  AddDef(defs, "ie", "IE / 旧版 Edge", bfWebCache, "%L%\\Microsoft\\Windows\\WebCache");
}


void GetNativeBrowserDefs(TBrowserDefs& defs) {
  defs.clear();
  if (!plat::kUnixHomeLayout) return;
  // %C% is the user's settings folder (~/.config, or XDG_CONFIG_HOME for the
  // running user); snap and flatpak packages keep theirs in a folder of
  // their own.
  AddNative(defs, "chrome", "Google Chrome", bfChromium, "%C%/google-chrome");
  AddNative(defs, "chrome", "Google Chrome", bfChromium,
            "%U%/.var/app/com.google.Chrome/config/google-chrome", "flatpak");
  AddNative(defs, "chromium", "Chromium", bfChromium, "%C%/chromium");
  AddNative(defs, "chromium", "Chromium", bfChromium, "%U%/snap/chromium/common/chromium", "snap");
  AddNative(defs, "chromium", "Chromium", bfChromium,
            "%U%/.var/app/org.chromium.Chromium/config/chromium", "flatpak");
  AddNative(defs, "edge", "Microsoft Edge", bfChromium, "%C%/microsoft-edge");
  AddNative(defs, "edge", "Microsoft Edge", bfChromium,
            "%U%/.var/app/com.microsoft.Edge/config/microsoft-edge", "flatpak");
  AddNative(defs, "brave", "Brave", bfChromium, "%C%/BraveSoftware/Brave-Browser");
  AddNative(defs, "brave", "Brave", bfChromium,
            "%U%/snap/brave/current/.config/BraveSoftware/Brave-Browser", "snap");
  AddNative(defs, "brave", "Brave", bfChromium,
            "%U%/.var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser", "flatpak");
  AddNative(defs, "vivaldi", "Vivaldi", bfChromium, "%C%/vivaldi");
  AddNative(defs, "opera", "Opera", bfChromium, "%C%/opera");
  AddNative(defs, "yandex", "Yandex Browser", bfChromium, "%C%/yandex-browser");
  AddNative(defs, "firefox", "Mozilla Firefox", bfFirefox, "%U%/.mozilla/firefox");
  // Releases since 2025 keep it with the other settings.
  AddNative(defs, "firefox", "Mozilla Firefox", bfFirefox, "%C%/mozilla/firefox");
  AddNative(defs, "firefox", "Mozilla Firefox", bfFirefox,
            "%U%/snap/firefox/common/.mozilla/firefox", "snap");
  AddNative(defs, "firefox", "Mozilla Firefox", bfFirefox,
            "%U%/.var/app/org.mozilla.firefox/.mozilla/firefox", "flatpak");
  AddNative(defs, "librewolf", "LibreWolf", bfFirefox, "%U%/.librewolf");
  AddNative(defs, "librewolf", "LibreWolf", bfFirefox,
            "%U%/.var/app/io.gitlab.librewolf-community/.librewolf", "flatpak");
  AddNative(defs, "waterfox", "Waterfox", bfFirefox, "%U%/.waterfox");
  AddNative(defs, "palemoon", "Pale Moon", bfFirefox, "%U%/.moonchild productions/pale moon");
}
