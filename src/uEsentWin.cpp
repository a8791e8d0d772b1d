// The esent.dll half of TEsentDb: the system's own ESE engine, bound at run
// time so that the program still starts (and reads every other browser) on
// a system whose engine is missing or incomplete. Used only by the WebCache
// dump worker, in a process of its own.
#include <windows.h>

#include <algorithm>
#include <map>

#include "uEsent.h"
#include "uPlatform.h"
#include "uUtil.h"

namespace {

using JET_ERR = long;
using JET_API_PTR = ULONG_PTR;
using JET_INSTANCE = JET_API_PTR;
using JET_SESID = JET_API_PTR;
using JET_TABLEID = JET_API_PTR;
using JET_DBID = unsigned long;
using JET_COLUMNID = unsigned long;
using JET_GRBIT = unsigned long;

// esent.h values the program uses.
constexpr unsigned long kParamSystemPath = 0;
constexpr unsigned long kParamTempPath = 1;
constexpr unsigned long kParamLogFilePath = 2;
constexpr unsigned long kParamBaseName = 3;
constexpr unsigned long kParamRecovery = 34;
constexpr unsigned long kParamDatabasePageSize = 64;
constexpr JET_GRBIT kBitDbReadOnly = 0x1;
constexpr long kMoveFirst = static_cast<long>(0x80000000u);
constexpr long kMoveNext = 1;

using PSetSystemParameter = JET_ERR(WINAPI*)(JET_INSTANCE*, JET_SESID, unsigned long,
                                             JET_API_PTR, const char*);
using PCreateInstance = JET_ERR(WINAPI*)(JET_INSTANCE*, const char*);
using PInit = JET_ERR(WINAPI*)(JET_INSTANCE*);
using PTerm = JET_ERR(WINAPI*)(JET_INSTANCE);
using PBeginSession = JET_ERR(WINAPI*)(JET_INSTANCE, JET_SESID*, const char*, const char*);
using PEndSession = JET_ERR(WINAPI*)(JET_SESID, JET_GRBIT);
using PAttachDatabase = JET_ERR(WINAPI*)(JET_SESID, const char*, JET_GRBIT);
using PDetachDatabase = JET_ERR(WINAPI*)(JET_SESID, const char*);
using POpenDatabase = JET_ERR(WINAPI*)(JET_SESID, const char*, const char*, JET_DBID*,
                                       JET_GRBIT);
using PCreateDatabase = POpenDatabase;
using PCloseDatabase = JET_ERR(WINAPI*)(JET_SESID, JET_DBID, JET_GRBIT);
using POpenTable = JET_ERR(WINAPI*)(JET_SESID, JET_DBID, const char*, const void*,
                                    unsigned long, JET_GRBIT, JET_TABLEID*);
using PCloseTable = JET_ERR(WINAPI*)(JET_SESID, JET_TABLEID);
using PMove = JET_ERR(WINAPI*)(JET_SESID, JET_TABLEID, long, JET_GRBIT);
using PRetrieveColumn = JET_ERR(WINAPI*)(JET_SESID, JET_TABLEID, JET_COLUMNID, void*,
                                         unsigned long, unsigned long*, JET_GRBIT, void*);

// The library and its entry points, one copy per process.
struct TEngine {
  HMODULE Lib = nullptr;
  std::string LoadError;
  PSetSystemParameter SetSystemParameter = nullptr;
  PCreateInstance CreateInstance = nullptr;
  PInit Init = nullptr;
  PTerm Term = nullptr;
  PBeginSession BeginSession = nullptr;
  PEndSession EndSession = nullptr;
  PAttachDatabase AttachDatabase = nullptr;
  PDetachDatabase DetachDatabase = nullptr;
  POpenDatabase OpenDatabase = nullptr;
  PCreateDatabase CreateDatabase = nullptr;
  PCloseDatabase CloseDatabase = nullptr;
  POpenTable OpenTable = nullptr;
  PCloseTable CloseTable = nullptr;
  PMove Move = nullptr;
  PRetrieveColumn RetrieveColumn = nullptr;
};

TEngine& Engine() {
  static TEngine engine;
  return engine;
}

template <typename F>
void Bind(HMODULE lib, const char* name, F& fn) {
  fn = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(lib, name)));
}

// The engine takes 8-bit text in the system code page.
std::string ToAnsi(const std::string& utf8) {
  std::u16string w16 = Utf8ToUtf16(utf8);
  if (w16.empty()) return std::string();
  const wchar_t* w = reinterpret_cast<const wchar_t*>(w16.data());
  int n = WideCharToMultiByte(CP_ACP, 0, w, static_cast<int>(w16.size()), nullptr, 0, nullptr,
                              nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, w, static_cast<int>(w16.size()), &s[0], n, nullptr, nullptr);
  return s;
}

// The catalogue table every ESE database has, and its fixed columns.
constexpr const char* kCatalog = "MSysObjects";
constexpr JET_COLUMNID kCatObjidTable = 1;
constexpr JET_COLUMNID kCatType = 2;
constexpr JET_COLUMNID kCatId = 3;
constexpr JET_COLUMNID kCatName = 128;
constexpr int kCatTypeTable = 1;
constexpr int kCatTypeColumn = 2;

}  // namespace

struct TEsentDb::Impl {
  JET_INSTANCE Instance = 0;
  JET_SESID Sesid = 0;
  JET_DBID DbId = 0;
  bool Inited = false;
  std::map<TEseTable, std::string> TableNames;  // open tables, for ColumnIds

  bool EnsureSession(const std::string& workDir, int32_t& code, std::string& operation);
};

bool TEsentDb::Available() {
  TEngine& e = Engine();
  if (e.Lib) return true;
  HMODULE lib = LoadLibraryW(L"esent.dll");
  if (!lib) {
    e.LoadError = "系统中未找到 esent.dll（IE/旧版 Edge 采集不可用）";
    return false;
  }
  Bind(lib, "JetSetSystemParameterA", e.SetSystemParameter);
  Bind(lib, "JetCreateInstanceA", e.CreateInstance);
  Bind(lib, "JetInit", e.Init);
  Bind(lib, "JetTerm", e.Term);
  Bind(lib, "JetBeginSessionA", e.BeginSession);
  Bind(lib, "JetEndSession", e.EndSession);
  Bind(lib, "JetAttachDatabaseA", e.AttachDatabase);
  Bind(lib, "JetDetachDatabaseA", e.DetachDatabase);
  Bind(lib, "JetOpenDatabaseA", e.OpenDatabase);
  Bind(lib, "JetCreateDatabaseA", e.CreateDatabase);
  Bind(lib, "JetCloseDatabase", e.CloseDatabase);
  Bind(lib, "JetOpenTableA", e.OpenTable);
  Bind(lib, "JetCloseTable", e.CloseTable);
  Bind(lib, "JetMove", e.Move);
  Bind(lib, "JetRetrieveColumn", e.RetrieveColumn);
  if (!e.SetSystemParameter || !e.CreateInstance || !e.Init || !e.BeginSession ||
      !e.AttachDatabase || !e.OpenDatabase || !e.OpenTable || !e.Move || !e.RetrieveColumn) {
    FreeLibrary(lib);
    e = TEngine();
    e.LoadError = "esent.dll 导出函数不完整，无法使用";
    return false;
  }
  e.Lib = lib;
  e.LoadError.clear();
  return true;
}

std::string TEsentDb::LoadError() { return Engine().LoadError; }

TEsentDb::TEsentDb(const std::string& workDir) : FImpl(new Impl), FWorkDir(workDir) {
  plat::CreateDirs(workDir);
}

TEsentDb::~TEsentDb() {
  Detach();
  TEngine& e = Engine();
  if (FImpl->Inited && FImpl->Instance != 0) {
    if (FImpl->Sesid != 0 && e.EndSession) e.EndSession(FImpl->Sesid, 0);
    if (e.Term) e.Term(FImpl->Instance);
  }
  delete FImpl;
}

// Creates the engine instance and the session once per object.
bool TEsentDb::Impl::EnsureSession(const std::string& workDir, int32_t& code,
                                   std::string& operation) {
  if (Inited) return true;
  TEngine& e = Engine();
  // The engine wants its folders to end with a separator.
  std::string dir = ToAnsi(workDir);
  if (!dir.empty() && !plat::IsPathSep(dir.back())) dir += '\\';
  e.SetSystemParameter(nullptr, 0, kParamDatabasePageSize, 32768, nullptr);
  e.SetSystemParameter(nullptr, 0, kParamSystemPath, 0, dir.c_str());
  e.SetSystemParameter(nullptr, 0, kParamTempPath, 0, dir.c_str());
  e.SetSystemParameter(nullptr, 0, kParamLogFilePath, 0, dir.c_str());
  e.SetSystemParameter(nullptr, 0, kParamBaseName, 0, "vtdb");
  e.SetSystemParameter(nullptr, 0, kParamRecovery, 0, "off");
  std::string name = "visitrail_" + std::to_string(plat::ProcessId());
  JET_ERR r = e.CreateInstance(&Instance, name.c_str());
  if (r < 0) {
    code = r;
    operation = "创建 ESE 实例";
    return false;
  }
  r = e.Init(&Instance);
  if (r < 0) {
    code = r;
    operation = "初始化 ESE 引擎";
    return false;
  }
  Inited = true;
  r = e.BeginSession(Instance, &Sesid, nullptr, nullptr);
  if (r < 0) {
    Sesid = 0;
    code = r;
    operation = "创建 ESE 会话";
    return false;
  }
  return true;
}

bool TEsentDb::AttachReadOnly(const std::string& fileName) {
  if (!Available()) {
    FLastErrText = LoadError();
    return false;
  }
  Detach();
  int32_t code = 0;
  std::string operation;
  if (!FImpl->EnsureSession(FWorkDir, code, operation)) {
    SetEseError(code, operation);
    return false;
  }
  if (FImpl->Sesid == 0) {  // a session that failed earlier on this object
    SetEseError(FLastErr, "创建 ESE 会话");
    return false;
  }
  TEngine& e = Engine();
  std::string path = ToAnsi(fileName);
  FImpl->DbId = 0;
  // The database must be attached to the instance before it can be opened;
  // both read-only, so the snapshot is never changed.
  JET_ERR r = e.AttachDatabase(FImpl->Sesid, path.c_str(), kBitDbReadOnly);
  if (r >= 0) r = e.OpenDatabase(FImpl->Sesid, path.c_str(), nullptr, &FImpl->DbId,
                                 kBitDbReadOnly);
  if (r < 0) {
    FImpl->DbId = 0;
    SetEseError(r, "打开数据库");
    return false;
  }
  FAttached = true;
  return true;
}

void TEsentDb::Detach() {
  TEngine& e = Engine();
  for (const auto& t : FImpl->TableNames)
    if (e.CloseTable) e.CloseTable(FImpl->Sesid, t.first);
  FImpl->TableNames.clear();
  if (FAttached && FImpl->DbId != 0 && e.CloseDatabase)
    e.CloseDatabase(FImpl->Sesid, FImpl->DbId, 0);
  FImpl->DbId = 0;
  FAttached = false;
}

bool TEsentDb::OpenTable(const std::string& tableName, TEseTable& tbl) {
  tbl = 0;
  if (!FAttached) return false;
  JET_TABLEID id = 0;
  JET_ERR r = Engine().OpenTable(FImpl->Sesid, FImpl->DbId, tableName.c_str(), nullptr, 0, 0, &id);
  if (r < 0) {
    SetEseError(r, Format("打开表 %s", tableName.c_str()));
    return false;
  }
  tbl = static_cast<TEseTable>(id);
  FImpl->TableNames[tbl] = tableName;
  return true;
}

void TEsentDb::CloseTable(TEseTable tbl) {
  auto it = FImpl->TableNames.find(tbl);
  if (tbl == 0 || it == FImpl->TableNames.end()) return;  // none, or closed by Detach
  FImpl->TableNames.erase(it);
  if (Engine().CloseTable) Engine().CloseTable(FImpl->Sesid, static_cast<JET_TABLEID>(tbl));
}

bool TEsentDb::MoveFirst(TEseTable tbl) {
  if (tbl == 0 || !FAttached) return false;
  return Engine().Move(FImpl->Sesid, static_cast<JET_TABLEID>(tbl), kMoveFirst, 0) >= 0;
}

bool TEsentDb::MoveNext(TEseTable tbl) {
  if (tbl == 0 || !FAttached) return false;
  return Engine().Move(FImpl->Sesid, static_cast<JET_TABLEID>(tbl), kMoveNext, 0) >= 0;
}

bool TEsentDb::ReadColumn(TEseTable tbl, uint32_t colId, std::string& data) {
  data.clear();
  if (tbl == 0 || !FAttached) return false;
  char buf[kMaxColumnBytes];
  unsigned long actual = 0;
  // A longer value comes back cut with a warning (positive), which is fine.
  JET_ERR r = Engine().RetrieveColumn(FImpl->Sesid, static_cast<JET_TABLEID>(tbl), colId, buf,
                                      sizeof buf, &actual, 0, nullptr);
  if (r < 0) return false;
  size_t size = std::min<size_t>(actual, sizeof buf);
  if (size == 0) return false;
  data.assign(buf, size);
  return true;
}

namespace {

int64_t LittleEndian(const std::string& bytes) {
  int64_t v = 0;
  for (size_t i = bytes.size(); i-- > 0;) v = (v << 8) | static_cast<unsigned char>(bytes[i]);
  return v;
}

}  // namespace

// Table and column names come from the catalogue table: one row per table
// (type 1) and per column (type 2, its id in "Id", its table's in
// "ObjidTable"). Reading it needs no engine call beyond the bound ones.
bool TEsentDb::TableNames(std::vector<std::string>& names) {
  names.clear();
  TEseTable cat = 0;
  if (!OpenTable(kCatalog, cat)) return false;
  std::string type, name;
  for (bool more = MoveFirst(cat); more; more = MoveNext(cat)) {
    if (ReadColumn(cat, kCatType, type) && LittleEndian(type) == kCatTypeTable &&
        ReadColumn(cat, kCatName, name))
      names.push_back(name.c_str());
  }
  CloseTable(cat);
  return true;
}

namespace {

// The (id, name) of every column of `tableName`, from the catalogue. The rows
// of a table's columns may precede or follow its own row.
bool CatalogColumns(TEsentDb& db, const std::string& tableName,
                    std::vector<std::pair<uint32_t, std::string>>& out) {
  out.clear();
  TEseTable cat = 0;
  if (!db.OpenTable(kCatalog, cat)) return false;
  std::vector<std::pair<int64_t, std::pair<uint32_t, std::string>>> columns;  // by owner
  int64_t tableObjid = -1;
  std::string type, owner, id, name;
  for (bool more = db.MoveFirst(cat); more; more = db.MoveNext(cat)) {
    if (!db.ReadColumn(cat, kCatType, type) || !db.ReadColumn(cat, kCatObjidTable, owner) ||
        !db.ReadColumn(cat, kCatName, name))
      continue;
    int64_t t = LittleEndian(type);
    if (t == kCatTypeTable && name.c_str() == tableName)
      tableObjid = LittleEndian(owner);
    else if (t == kCatTypeColumn && db.ReadColumn(cat, kCatId, id))
      columns.push_back({LittleEndian(owner),
                         {static_cast<uint32_t>(LittleEndian(id)), name.c_str()}});
  }
  db.CloseTable(cat);
  for (auto& c : columns)
    if (c.first == tableObjid) out.push_back(std::move(c.second));
  std::sort(out.begin(), out.end());
  return tableObjid >= 0;
}

}  // namespace

bool TEsentDb::ColumnIds(TEseTable tbl, std::vector<uint32_t>& ids) {
  ids.clear();
  auto it = FImpl->TableNames.find(tbl);
  std::vector<std::pair<uint32_t, std::string>> columns;
  if (tbl == 0 || it == FImpl->TableNames.end() || !CatalogColumns(*this, it->second, columns))
    return false;
  for (const auto& c : columns) ids.push_back(c.first);
  return true;
}

bool TEsentDb::ColumnIdByName(TEseTable tbl, const std::string& name, uint32_t& id) {
  id = 0;
  auto it = FImpl->TableNames.find(tbl);
  std::vector<std::pair<uint32_t, std::string>> columns;
  if (tbl == 0 || it == FImpl->TableNames.end() || !CatalogColumns(*this, it->second, columns))
    return false;
  for (const auto& c : columns) {
    if (c.second == name) {
      id = c.first;
      return true;
    }
  }
  return false;
}
