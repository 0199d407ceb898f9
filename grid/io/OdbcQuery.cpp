// Database queries through ODBC. A database file goes to the SQLite driver
// by a connection string without a data source name; any other database is
// reached by a connection string of its own.
#include <sql.h>
#include <sqlext.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "framework/os/Files.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/os/LoadedLibrary.h"
#include "grid/io/OfficeFiles.h"

namespace office {

namespace {

// The ODBC driver manager is loaded the first time a database is queried.
// clang-format off
#define CF_ODBC_FUNCTIONS(X)                                                                       \
  X(SQLAllocHandle) X(SQLDescribeCol) X(SQLDisconnect) X(SQLDriverConnect) X(SQLExecDirect)        \
  X(SQLFetch) X(SQLFreeHandle) X(SQLGetData) X(SQLGetDiagRec) X(SQLNumResultCols) X(SQLSetEnvAttr)
// clang-format on
#define CF_ODBC_FIELD(Name) decltype(&::Name) Name = nullptr;
#define CF_ODBC_BIND(Name) &&BindLoadedSymbol(lib, #Name, l.Name)

struct TOdbcLibrary {
  CF_ODBC_FUNCTIONS(CF_ODBC_FIELD)
};

const TOdbcLibrary& Odbc() {
  static const TOdbcLibrary* library = [] {
    static TOdbcLibrary l;
    void* lib = OpenLoadedLibrary({"libodbc.so.2", "libodbc.so"});
    return lib != nullptr CF_ODBC_FUNCTIONS(CF_ODBC_BIND) ? &l : nullptr;
  }();
  if (library == nullptr) throw Exception("The ODBC driver manager cannot be used");
  return *library;
}

#undef CF_ODBC_BIND
#undef CF_ODBC_FIELD
#undef CF_ODBC_FUNCTIONS

bool IsConnectionString(const std::string& S) {
  for (const char* key : {"DRIVER=", "DSN=", "FILEDSN="})
    if (S.size() > std::strlen(key) && SameText(S.substr(0, std::strlen(key)), key)) return true;
  return false;
}

std::string Diagnostics(SQLSMALLINT Type, SQLHANDLE Handle) {
  std::string out;
  SQLCHAR state[6];
  SQLCHAR text[1024];
  SQLINTEGER native = 0;
  SQLSMALLINT len = 0;
  for (SQLSMALLINT i = 1;
       Odbc().SQLGetDiagRec(Type, Handle, i, state, &native, text, sizeof text, &len) == SQL_SUCCESS; ++i) {
    if (!out.empty()) out += "\n";
    out += reinterpret_cast<const char*>(text);
  }
  return out;
}

class THandle {
 public:
  THandle(SQLSMALLINT Type, SQLHANDLE Parent) : type_(Type) {
    if (!SQL_SUCCEEDED(Odbc().SQLAllocHandle(Type, Parent, &h_))) {
      h_ = SQL_NULL_HANDLE;
      throw Exception("The ODBC driver manager cannot be used");
    }
  }
  ~THandle() {
    if (type_ == SQL_HANDLE_DBC && connected_) Odbc().SQLDisconnect(h_);
    Odbc().SQLFreeHandle(type_, h_);
  }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
  SQLHANDLE Get() const { return h_; }
  void SetConnected() { connected_ = true; }
  // Raises the handle's diagnostics when R is a failure.
  void Check(SQLRETURN R, const std::string& What) const {
    if (SQL_SUCCEEDED(R)) return;
    const std::string diag = Diagnostics(type_, h_);
    throw Exception(diag.empty() ? What : What + ": " + diag);
  }

 private:
  SQLSMALLINT type_;
  SQLHANDLE h_ = SQL_NULL_HANDLE;
  bool connected_ = false;
};

bool IsFloatType(SQLSMALLINT T) {
  return T == SQL_FLOAT || T == SQL_REAL || T == SQL_DOUBLE || T == SQL_NUMERIC || T == SQL_DECIMAL;
}

bool IsDateType(SQLSMALLINT T) {
  return T == SQL_TYPE_DATE || T == SQL_TYPE_TIMESTAMP || T == SQL_DATE || T == SQL_TIMESTAMP;
}

// A value as the grid shows it: floating numbers and dates in the
// program's own formats, anything else as the driver gives it.
std::string Shown(SQLSMALLINT Type, std::string Raw) {
  if (Raw.empty()) return Raw;
  if (IsFloatType(Type)) {
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(Raw.c_str(), &end);
    if (end != Raw.c_str() && *end == '\0' && errno == 0) return FloatToStr(v);
  } else if (IsDateType(Type) && Raw.size() >= 10 && Raw[4] == '-' && Raw[7] == '-') {
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0;
    const int got = std::sscanf(Raw.c_str(), "%4d-%2d-%2d %2d:%2d:%2d", &y, &m, &d, &h, &n, &s);
    TDateTime date = 0, time = 0;
    if (got >= 3 && TryEncodeDate(y, m, d, date) && TryEncodeTime(h, n, s, 0, time))
      return DateTimeToStr(date + time);
  }
  return Raw;
}

}  // namespace

std::string ConnectionString(const std::string& Database) {
  if (IsConnectionString(Database)) return Database;
  // The driver takes the name as it stands (braces are not taken off), so
  // a ";" would end it early.
  if (Database.find(';') != std::string::npos)
    throw Exception("A database file name must not hold \";\": " + Database);
  // NoCreat: a missing file is an error, not a new empty database.
  return "DRIVER={SQLite3};Database=" + Database + ";NoCreat=1";
}

TQueryResult RunQuery(const std::string& Database, const std::string& SQL) {
  if (!IsConnectionString(Database) && !FileExists(Database))
    throw EFOpenError("Cannot open file \"" + Database + "\". " + std::strerror(ENOENT));
  THandle env(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
  env.Check(
      Odbc().SQLSetEnvAttr(env.Get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
      "ODBC");
  THandle dbc(SQL_HANDLE_DBC, env.Get());
  std::string conn = ConnectionString(Database);
  SQLSMALLINT outLen = 0;
  dbc.Check(Odbc().SQLDriverConnect(dbc.Get(), nullptr, reinterpret_cast<SQLCHAR*>(conn.data()), SQL_NTS,
                                    nullptr, 0, &outLen, SQL_DRIVER_NOPROMPT),
            "Cannot connect to the database " + Database);
  dbc.SetConnected();
  THandle stmt(SQL_HANDLE_STMT, dbc.Get());
  std::string sql = SQL;
  stmt.Check(Odbc().SQLExecDirect(stmt.Get(), reinterpret_cast<SQLCHAR*>(sql.data()),
                                  static_cast<SQLINTEGER>(sql.size())),
             "The query failed");
  SQLSMALLINT n = 0;
  stmt.Check(Odbc().SQLNumResultCols(stmt.Get(), &n), "The query failed");
  TQueryResult result;
  std::vector<SQLSMALLINT> types;
  for (SQLSMALLINT i = 1; i <= n; ++i) {
    SQLCHAR name[512];
    SQLSMALLINT nameLen = 0, type = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    stmt.Check(
        Odbc().SQLDescribeCol(stmt.Get(), i, name, sizeof name, &nameLen, &type, &size, &digits, &nullable),
        "The query failed");
    result.Names.emplace_back(reinterpret_cast<const char*>(name));
    types.push_back(type);
  }
  if (n == 0) return result;
  for (;;) {
    const SQLRETURN r = Odbc().SQLFetch(stmt.Get());
    if (r == SQL_NO_DATA) break;
    stmt.Check(r, "The query failed");
    std::vector<std::string>& record = result.Records.emplace_back();
    for (SQLSMALLINT i = 1; i <= n; ++i) {
      std::string value;
      char buf[4096];
      for (;;) {
        SQLLEN ind = 0;
        const SQLRETURN g = Odbc().SQLGetData(stmt.Get(), i, SQL_C_CHAR, buf, sizeof buf, &ind);
        if (g == SQL_NO_DATA || ind == SQL_NULL_DATA) break;
        stmt.Check(g, "The query failed");
        // A long value comes in pieces, each but the last filling the buffer.
        const size_t piece = (ind == SQL_NO_TOTAL || ind >= static_cast<SQLLEN>(sizeof buf))
                                 ? sizeof buf - 1
                                 : static_cast<size_t>(ind);
        value.append(buf, piece);
        if (g == SQL_SUCCESS) break;
      }
      record.push_back(Shown(types[static_cast<size_t>(i - 1)], std::move(value)));
    }
  }
  return result;
}

}  // namespace office
