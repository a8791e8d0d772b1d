#include "uEsent.h"

#include <algorithm>
#include <cstring>

#include "uPlatform.h"
#include "uUtil.h"

#include <libesedb.h>

// The file is read directly by libesedb, which needs no engine instance,
// session or work files and does not replay logs: a snapshot in a
// dirty-shutdown state (copied from a live or crashed session) is read as it
// stands. It reports no ESE error codes; every failure carries kReaderError
// so callers still see a negative code.

void TEsentDb::SetEseError(int32_t code, const std::string& operation) {
  FLastErr = code;
  FLastErrText = Format("%s失败（ESE 错误码 %d）", operation.c_str(), code);
}

namespace {

// An open table with its row cursor. libesedb addresses rows by index, so the
// cursor is the index of the current row; the record is loaded on the first
// column read of that row.
struct TCursor {
  libesedb_table_t* Table = nullptr;
  int RowCount = 0;
  int Row = -1;  // -1 = no current row
  libesedb_record_t* Record = nullptr;
  bool RecordFailed = false;
  // (column id, value entry) sorted by id; record value entries follow the
  // table's column order.
  std::vector<std::pair<uint32_t, int>> Columns;
  std::vector<std::string> Names;  // by value entry
};

void FreeError(libesedb_error_t*& err) {
  if (err) libesedb_error_free(&err);
}

// The cursor behind a handle, or null for 0 and for handles already freed.
TCursor* CursorOf(const std::vector<TCursor*>& open, TEseTable tbl) {
  auto* c = reinterpret_cast<TCursor*>(tbl);
  return tbl != 0 && std::find(open.begin(), open.end(), c) != open.end() ? c : nullptr;
}

void DropRecord(TCursor& c) {
  if (c.Record) {
    libesedb_error_t* err = nullptr;
    libesedb_record_free(&c.Record, &err);
    FreeError(err);
  }
  c.Record = nullptr;
  c.RecordFailed = false;
}

void FreeCursor(TCursor* c) {
  DropRecord(*c);
  libesedb_error_t* err = nullptr;
  if (c->Table) libesedb_table_free(&c->Table, &err);
  FreeError(err);
  delete c;
}

bool LoadColumns(TCursor& c) {
  libesedb_error_t* err = nullptr;
  int count = 0;
  if (libesedb_table_get_number_of_columns(c.Table, &count, 0, &err) != 1) {
    FreeError(err);
    return false;
  }
  c.Names.assign(static_cast<size_t>(count), std::string());
  for (int i = 0; i < count; ++i) {
    libesedb_column_t* col = nullptr;
    if (libesedb_table_get_column(c.Table, i, &col, 0, &err) != 1) {
      FreeError(err);
      return false;
    }
    uint32_t id = 0;
    bool ok = libesedb_column_get_identifier(col, &id, &err) == 1;
    FreeError(err);
    size_t nameSize = 0;
    if (libesedb_column_get_utf8_name_size(col, &nameSize, &err) == 1 && nameSize > 0) {
      std::string name(nameSize, '\0');
      if (libesedb_column_get_utf8_name(col, reinterpret_cast<uint8_t*>(&name[0]), nameSize,
                                        &err) == 1)
        c.Names[static_cast<size_t>(i)] = name.c_str();
    }
    FreeError(err);
    libesedb_column_free(&col, &err);
    FreeError(err);
    if (!ok) return false;
    c.Columns.emplace_back(id, i);
  }
  std::sort(c.Columns.begin(), c.Columns.end());
  return true;
}

// Copies at most kMaxColumnBytes of a long value, segment by segment, so a
// huge value is never materialised whole.
bool ReadLongValue(libesedb_record_t* rec, int entry, std::string& data) {
  libesedb_error_t* err = nullptr;
  libesedb_long_value_t* lv = nullptr;
  if (libesedb_record_get_long_value(rec, entry, &lv, &err) != 1) {
    FreeError(err);
    return false;
  }
  int segments = 0;
  bool ok = libesedb_long_value_get_number_of_data_segments(lv, &segments, &err) == 1;
  for (int i = 0; ok && i < segments && data.size() < kMaxColumnBytes; ++i) {
    size_t size = 0;
    ok = libesedb_long_value_get_data_segment_size(lv, i, &size, &err) == 1;
    if (!ok || size == 0) continue;
    std::string seg(size, '\0');
    ok = libesedb_long_value_get_data_segment(lv, i, reinterpret_cast<uint8_t*>(&seg[0]), size,
                                              &err) == 1;
    if (ok) data.append(seg, 0, std::min(size, kMaxColumnBytes - data.size()));
  }
  FreeError(err);
  libesedb_long_value_free(&lv, &err);
  FreeError(err);
  if (!ok) data.clear();
  return ok && !data.empty();
}

// Compressed text comes back decompressed as UTF-16LE (libesedb decodes it
// only through its string getters); other compressed values stay as stored.
bool ReadCompressedText(libesedb_record_t* rec, int entry, std::string& data) {
  libesedb_error_t* err = nullptr;
  size_t units = 0;
  if (libesedb_record_get_value_utf16_string_size(rec, entry, &units, &err) != 1 || units == 0) {
    FreeError(err);
    return false;
  }
  std::vector<uint16_t> text(units);
  if (libesedb_record_get_value_utf16_string(rec, entry, text.data(), units, &err) != 1) {
    FreeError(err);
    return false;
  }
  while (!text.empty() && text.back() == 0) text.pop_back();
  for (uint16_t u : text) {
    if (data.size() + 2 > kMaxColumnBytes) break;
    data.push_back(static_cast<char>(u & 0xFF));
    data.push_back(static_cast<char>(u >> 8));
  }
  return !data.empty();
}

#ifdef _WIN32
// The narrow form would go through the ANSI code page, which cannot spell
// every user folder name (C:\Users\张三 on a Western system); long paths
// need the extended form.
int OpenEsedbFile(libesedb_file_t* file, const std::string& path, libesedb_error_t** err) {
  const std::u16string wide = Utf8ToUtf16(plat::LongPathForm(path));
  return libesedb_file_open_wide(file, reinterpret_cast<const wchar_t*>(wide.c_str()),
                                 LIBESEDB_OPEN_READ, err);
}
#else
int OpenEsedbFile(libesedb_file_t* file, const std::string& path, libesedb_error_t** err) {
  return libesedb_file_open(file, path.c_str(), LIBESEDB_OPEN_READ, err);
}
#endif

}  // namespace

struct TEsentDb::Impl {
  libesedb_file_t* File = nullptr;
  std::vector<TCursor*> Cursors;  // tables left open are freed on Detach
};

bool TEsentDb::Available() { return true; }

std::string TEsentDb::LoadError() { return std::string(); }

TEsentDb::TEsentDb(const std::string& workDir) : FImpl(new Impl), FWorkDir(workDir) {
  // libesedb writes nothing, but the folder is part of the contract: the
  // worker's parent removes it with the snapshot.
  plat::CreateDirs(workDir);
}

TEsentDb::~TEsentDb() {
  Detach();
  delete FImpl;
}

bool TEsentDb::AttachReadOnly(const std::string& fileName) {
  Detach();
  libesedb_error_t* err = nullptr;
  if (libesedb_file_initialize(&FImpl->File, &err) != 1) {
    FreeError(err);
    FImpl->File = nullptr;
    SetEseError(kReaderError, "打开数据库");
    return false;
  }
  if (OpenEsedbFile(FImpl->File, fileName, &err) != 1) {
    FreeError(err);
    libesedb_file_free(&FImpl->File, &err);
    FreeError(err);
    FImpl->File = nullptr;
    SetEseError(kReaderError, "打开数据库");
    return false;
  }
  FAttached = true;
  return true;
}

void TEsentDb::Detach() {
  for (TCursor* c : FImpl->Cursors) FreeCursor(c);
  FImpl->Cursors.clear();
  if (FImpl->File) {
    libesedb_error_t* err = nullptr;
    libesedb_file_close(FImpl->File, &err);
    FreeError(err);
    libesedb_file_free(&FImpl->File, &err);
    FreeError(err);
    FImpl->File = nullptr;
  }
  FAttached = false;
}

bool TEsentDb::OpenTable(const std::string& tableName, TEseTable& tbl) {
  tbl = 0;
  if (!FAttached) return false;
  libesedb_error_t* err = nullptr;
  auto* c = new TCursor;
  bool ok = libesedb_file_get_table_by_utf8_name(
                FImpl->File, reinterpret_cast<const uint8_t*>(tableName.c_str()),
                tableName.size(), &c->Table, &err) == 1;
  FreeError(err);
  if (ok) ok = libesedb_table_get_number_of_records(c->Table, &c->RowCount, &err) == 1;
  FreeError(err);
  if (ok) ok = LoadColumns(*c);
  if (!ok) {
    FreeCursor(c);
    SetEseError(kReaderError, Format("打开表 %s", tableName.c_str()));
    return false;
  }
  FImpl->Cursors.push_back(c);
  tbl = reinterpret_cast<TEseTable>(c);
  return true;
}

void TEsentDb::CloseTable(TEseTable tbl) {
  if (tbl == 0) return;
  auto* c = reinterpret_cast<TCursor*>(tbl);
  auto it = std::find(FImpl->Cursors.begin(), FImpl->Cursors.end(), c);
  if (it == FImpl->Cursors.end()) return;  // already freed by Detach
  FImpl->Cursors.erase(it);
  FreeCursor(c);
}

bool TEsentDb::MoveFirst(TEseTable tbl) {
  TCursor* c = CursorOf(FImpl->Cursors, tbl);
  if (!c) return false;
  DropRecord(*c);
  c->Row = c->RowCount > 0 ? 0 : -1;
  return c->Row == 0;
}

bool TEsentDb::MoveNext(TEseTable tbl) {
  TCursor* c = CursorOf(FImpl->Cursors, tbl);
  if (!c || c->Row < 0) return false;
  DropRecord(*c);
  if (c->Row + 1 >= c->RowCount) {
    c->Row = -1;
    return false;
  }
  ++c->Row;
  return true;
}

bool TEsentDb::ReadColumn(TEseTable tbl, uint32_t colId, std::string& data) {
  data.clear();
  TCursor* c = CursorOf(FImpl->Cursors, tbl);
  if (!c || c->Row < 0) return false;
  auto col = std::lower_bound(c->Columns.begin(), c->Columns.end(),
                              std::make_pair(colId, -1));
  if (col == c->Columns.end() || col->first != colId) return false;
  libesedb_error_t* err = nullptr;
  if (!c->Record && !c->RecordFailed) {
    // A damaged row (a dirty snapshot may hold some) yields no columns.
    if (libesedb_table_get_record(c->Table, c->Row, &c->Record, &err) != 1) {
      FreeError(err);
      c->Record = nullptr;
      c->RecordFailed = true;
    }
  }
  if (!c->Record) return false;
  const int entry = col->second;
  uint8_t flags = 0;
  if (libesedb_record_get_value_data_flags(c->Record, entry, &flags, &err) != 1) {
    FreeError(err);
    return false;
  }
  if ((flags & LIBESEDB_VALUE_FLAG_LONG_VALUE) && !(flags & LIBESEDB_VALUE_FLAG_MULTI_VALUE))
    return ReadLongValue(c->Record, entry, data);
  if ((flags & LIBESEDB_VALUE_FLAG_COMPRESSED) && !(flags & LIBESEDB_VALUE_FLAG_MULTI_VALUE) &&
      ReadCompressedText(c->Record, entry, data))
    return true;
  size_t size = 0;
  if (libesedb_record_get_value_data_size(c->Record, entry, &size, &err) != 1 || size == 0) {
    FreeError(err);
    return false;
  }
  std::string buf(size, '\0');
  if (libesedb_record_get_value_data(c->Record, entry, reinterpret_cast<uint8_t*>(&buf[0]), size,
                                     &err) != 1) {
    FreeError(err);
    return false;
  }
  if (buf.size() > kMaxColumnBytes) buf.resize(kMaxColumnBytes);
  data.swap(buf);
  return true;
}

bool TEsentDb::ColumnIds(TEseTable tbl, std::vector<uint32_t>& ids) {
  ids.clear();
  TCursor* c = CursorOf(FImpl->Cursors, tbl);
  if (!c) return false;
  for (const auto& col : c->Columns) ids.push_back(col.first);
  return true;
}

bool TEsentDb::ColumnIdByName(TEseTable tbl, const std::string& name, uint32_t& id) {
  id = 0;
  TCursor* c = CursorOf(FImpl->Cursors, tbl);
  if (!c) return false;
  for (const auto& col : c->Columns) {
    if (c->Names[static_cast<size_t>(col.second)] == name) {
      id = col.first;
      return true;
    }
  }
  return false;
}

bool TEsentDb::TableNames(std::vector<std::string>& names) {
  names.clear();
  if (!FAttached) return false;
  libesedb_error_t* err = nullptr;
  int count = 0;
  if (libesedb_file_get_number_of_tables(FImpl->File, &count, &err) != 1) {
    FreeError(err);
    return false;
  }
  for (int i = 0; i < count; ++i) {
    libesedb_table_t* t = nullptr;
    if (libesedb_file_get_table(FImpl->File, i, &t, &err) != 1) {
      FreeError(err);
      continue;
    }
    size_t size = 0;
    if (libesedb_table_get_utf8_name_size(t, &size, &err) == 1 && size > 0) {
      std::string name(size, '\0');
      if (libesedb_table_get_utf8_name(t, reinterpret_cast<uint8_t*>(&name[0]), size, &err) == 1)
        names.push_back(name.c_str());
    }
    FreeError(err);
    libesedb_table_free(&t, &err);
    FreeError(err);
  }
  return true;
}
