// A small read-only view of an ESE database (WebCacheV01.dat): esent.dll on
// Windows, libesedb elsewhere, behind one class.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using TEseTable = uintptr_t;  // 0 = none

class TEsentDb {
 public:
  static bool Available();
  static std::string LoadError();

  explicit TEsentDb(const std::string& workDir);
  ~TEsentDb();
  TEsentDb(const TEsentDb&) = delete;
  TEsentDb& operator=(const TEsentDb&) = delete;

  bool AttachReadOnly(const std::string& fileName);
  void Detach();
  bool OpenTable(const std::string& tableName, TEseTable& tbl);
  void CloseTable(TEseTable tbl);
  bool MoveFirst(TEseTable tbl);
  bool MoveNext(TEseTable tbl);
  // Raw bytes of a column of the current row (at most 16384 bytes).
  bool ReadColumn(TEseTable tbl, uint32_t colId, std::string& data);
  // The table's column ids in ascending order.
  bool ColumnIds(TEseTable tbl, std::vector<uint32_t>& ids);
  // Names of the tables in the database.
  bool TableNames(std::vector<std::string>& names);

  int32_t LastErrorCode() const { return FLastErr; }
  const std::string& LastErrorText() const { return FLastErrText; }

 private:
  void SetEseError(int32_t code, const std::string& operation);
  struct Impl;
  Impl* FImpl = nullptr;
  std::string FWorkDir;
  bool FAttached = false;
  int32_t FLastErr = 0;
  std::string FLastErrText;
};
