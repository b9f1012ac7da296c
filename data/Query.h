// A one-row query on a knowledge database.
#pragma once

#include "data/KnowledgeDb.h"

#include <string>
#include <string_view>
#include <vector>

namespace orlenvo {

// A query bound to one knowledge database by its connection string, holding one statement in
// its Jet form. Closed until Open(); while open it holds the first row of the result (or
// knows that the result is empty). The file is opened read-only and only during Open(): a
// missing file is never created and no file is ever changed.
class Query final {
public:
    Query() = default;

    void SetConnectionString(std::string connectionString);
    const std::string &ConnectionString() const;

    // Changing the statement closes the query.
    void SetStatement(std::string statement);
    void ClearStatement();
    const std::string &Statement() const;

    // Runs the statement on the data source of the connection string and keeps the first
    // row. Throws DbError when the file cannot be opened, is not a database or the statement
    // is rejected; the query then stays closed. Opening an open query does nothing.
    void Open();
    void Close();
    bool IsOpen() const;

    // The result has no row. Fields of an empty result read as empty text.
    bool IsEmpty() const;

    // Columns of the result and the fields of its first row. Positions start at 0, names are
    // compared without regard to letter case. NULL reads as empty text. Throws DbError when the
    // query is closed or the column does not exist.
    int FieldCount() const;
    std::string Field(int position) const;
    std::string FieldByName(std::string_view name) const;
    std::vector<unsigned char> FieldBytes(int position) const;
    std::vector<unsigned char> FieldBytesByName(std::string_view name) const;

private:
    int PositionOf(std::string_view name) const;
    const std::string &Value(int position) const;

    std::string connection_;
    std::string statement_;
    bool open_ = false;
    bool hasRow_ = false;
    std::vector<std::string> columns_;
    std::vector<std::string> row_;
};

}  // namespace orlenvo
