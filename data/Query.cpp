#include "data/Query.h"

#include "core/Text.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cctype>
#include <memory>

namespace orlenvo {

namespace {

struct CloseDatabase {
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt *st) const { sqlite3_finalize(st); }
};
using DatabaseHandle = std::unique_ptr<sqlite3, CloseDatabase>;
using StatementHandle = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// A read-only, immutable URI for the file: SQLite then takes no lock, reads no journal and
// never writes beside the file.
std::string ReadOnlyUri(const std::string &path)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 15];
        }
    }
    uri += "?mode=ro&immutable=1";
    return uri;
}

bool IsSelect(std::string_view sql)
{
    const std::string head = Trim(sql.substr(0, 64));
    return head.size() > 6 && EqualsNoCase(std::string_view(head).substr(0, 6), "select") &&
           !std::isalnum(static_cast<unsigned char>(head[6])) && head[6] != '_';
}

[[noreturn]] void Fail(const std::string &path, const std::string &what)
{
    throw DbError("Knowledge database '" + path + "': " + what);
}

}  // namespace

void Query::SetConnectionString(std::string connectionString)
{
    Close();
    connection_ = std::move(connectionString);
}

const std::string &Query::ConnectionString() const
{
    return connection_;
}

void Query::SetStatement(std::string statement)
{
    Close();
    statement_ = std::move(statement);
}

void Query::ClearStatement()
{
    SetStatement(std::string());
}

const std::string &Query::Statement() const
{
    return statement_;
}

void Query::Open()
{
    if (open_)
        return;
    const std::string path = DataSourcePath(connection_);
    const std::string sql = TranslateJetStatement(statement_);
    if (!IsSelect(sql))
        Fail(path, "only a select statement can be run: '" + statement_ + "'");

    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        throw DbError("Could not find file '" + path + "'.");
    if (!S_ISREG(info.st_mode))
        Fail(path, "not a database file");

    sqlite3 *raw = nullptr;
    const int opened = sqlite3_open_v2(ReadOnlyUri(path).c_str(), &raw,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    DatabaseHandle db(raw);
    if (opened != SQLITE_OK)
        Fail(path, raw ? sqlite3_errmsg(raw) : sqlite3_errstr(opened));
    sqlite3_limit(db.get(), SQLITE_LIMIT_ATTACHED, 0);

    sqlite3_stmt *rawStatement = nullptr;
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(db.get(), sql.c_str(), static_cast<int>(sql.size() + 1), &rawStatement, &tail) != SQLITE_OK)
        Fail(path, sqlite3_errmsg(db.get()));
    StatementHandle statement(rawStatement);
    if (!statement)
        Fail(path, "empty statement");
    if (!Trim(tail ? std::string_view(tail) : std::string_view()).empty())
        Fail(path, "characters found after the end of the statement");
    if (!sqlite3_stmt_readonly(statement.get()))
        Fail(path, "only a select statement can be run: '" + statement_ + "'");

    const int columns = sqlite3_column_count(statement.get());
    std::vector<std::string> names;
    for (int i = 0; i < columns; ++i) {
        const char *name = sqlite3_column_name(statement.get(), i);
        names.emplace_back(name ? name : "");
    }

    std::vector<std::string> row;
    const int stepped = sqlite3_step(statement.get());
    if (stepped == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i) {
            const auto *bytes = static_cast<const char *>(sqlite3_column_blob(statement.get(), i));
            const int size = sqlite3_column_bytes(statement.get(), i);
            row.emplace_back(bytes ? std::string(bytes, static_cast<std::size_t>(size)) : std::string());
        }
    } else if (stepped != SQLITE_DONE) {
        Fail(path, sqlite3_errmsg(db.get()));
    }

    columns_ = std::move(names);
    row_ = std::move(row);
    hasRow_ = stepped == SQLITE_ROW;
    open_ = true;
}

void Query::Close()
{
    open_ = false;
    hasRow_ = false;
    columns_.clear();
    row_.clear();
}

bool Query::IsOpen() const
{
    return open_;
}

bool Query::IsEmpty() const
{
    if (!open_)
        throw DbError("Operation not allowed when the query is closed.");
    return !hasRow_;
}

int Query::FieldCount() const
{
    if (!open_)
        throw DbError("Operation not allowed when the query is closed.");
    return static_cast<int>(columns_.size());
}

int Query::PositionOf(std::string_view name) const
{
    if (!open_)
        throw DbError("Operation not allowed when the query is closed.");
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (EqualsNoCase(columns_[i], name))
            return static_cast<int>(i);
    }
    throw DbError("Field '" + std::string(name) + "' not found.");
}

const std::string &Query::Value(int position) const
{
    static const std::string empty;
    if (position < 0 || position >= FieldCount())
        throw DbError("Field index out of bounds (" + std::to_string(position) + ").");
    return hasRow_ ? row_[static_cast<std::size_t>(position)] : empty;
}

std::string Query::Field(int position) const
{
    return Value(position);
}

std::string Query::FieldByName(std::string_view name) const
{
    return Value(PositionOf(name));
}

std::vector<unsigned char> Query::FieldBytes(int position) const
{
    const std::string &v = Value(position);
    return {v.begin(), v.end()};
}

std::vector<unsigned char> Query::FieldBytesByName(std::string_view name) const
{
    return FieldBytes(PositionOf(name));
}

}  // namespace orlenvo
