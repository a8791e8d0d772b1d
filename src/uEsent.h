// A small read-only view of an ESE database (WebCacheV01.dat) through
// libesedb, on Windows as elsewhere. It knows no table layout: callers open
// tables by name, walk rows and read raw column bytes by id.
//
// Failures return false and leave a Chinese message in LastErrorText();
// engine failures also set LastErrorCode() (negative). libesedb has no ESE
// error codes, so every engine failure carries kReaderError.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using TEseTable = uintptr_t;  // 0 = none

// Longest column value ReadColumn returns; longer values are cut.
constexpr size_t kMaxColumnBytes = 16384;

class TEsentDb {
 public:
  // The code reported for failures of a reader that has no ESE codes.
  static constexpr int32_t kReaderError = -1;

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
  // The id of the column called `name` (exact spelling); false when absent.
  bool ColumnIdByName(TEseTable tbl, const std::string& name, uint32_t& id);
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
