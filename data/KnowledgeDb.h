// The knowledge databases beside the program: their connection strings, how values are
// written into statements, and the translation of the Jet statement forms to SQLite.
#pragma once

#include "core/Script.h"
#include "core/Text.h"

#include <functional>
#include <string>
#include <string_view>

namespace orlenvo {

// File names of the three knowledge databases.
inline constexpr std::string_view kDreamFile = "dream.dll";          // table shouji
inline constexpr std::string_view kQorvFile = "QorvFile.dll";        // tables huangdao, tuwen
inline constexpr std::string_view kQorvBirthFile = "QorvBirth.dll";  // table Noter

// Any failure of a knowledge database: a file that cannot be opened, is not a database or
// lacks the table, a statement the database rejects, a field that does not exist.
class DbError : public UserError {
public:
    using UserError::UserError;
};

// The folder of the running program file with its trailing separator, read afresh on each
// call (from /proc/self/exe unless overridden).
std::string ProgramFolder();

// Makes ProgramFolder() report `folder` (tests point it at a scratch folder); an empty text
// goes back to the folder of the running program file.
void OverrideProgramFolder(std::string folder);

// The folder of a Traditional script's copies of the databases under the program folder: "zh_TW"
// under Script::Taiwan, "zh_HK" under Script::HongKong; empty under Script::Simplified.
std::string_view ScriptDatabaseFolder(Script script);

// Receives the reason when a lookup under a Traditional script falls back to the Simplified
// file because the script's copy is missing (once per file). Nothing is reported without one.
void SetKnowledgeDbWarning(std::function<void(const std::string &)> warn);

// Under a Traditional script (core/Script.h), the connection string of the script's copy of the
// file, <folder>\<script>\<file>, when it lies there; otherwise, and under Simplified:
// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + ProgramFolder() + "\" + file +
// ";Persist Security Info=True". A folder that holds ";", "=", a quote, or a "\" that is not
// its separator is written as a quoted value instead: "\"" + folder + file + "\"", inner
// double quotes doubled. DataSourcePath(ConnectionStringFor(file)) is always the file's path.
std::string ConnectionStringFor(std::string_view file);

// The file a connection string names: the value of its "Data Source" item. A quoted value is
// taken as it stands; in an unquoted one "\" is read as a path separator and a run of
// separators as one. Throws DbError when there is none.
std::string DataSourcePath(std::string_view connectionString);

// The SQL text literal of a value: the value in single quotes, inner single quotes doubled.
std::string QuoteText(std::string_view value);

// Turns a statement written for Jet into SQLite: "select top N ..." becomes "select ... limit N"
// and a date literal #y-m-d# (or #m/d/y#) becomes the text literal 'YYYY-MM-DD', the form the
// date columns are stored in. Text literals and bracketed names pass unchanged. Throws DbError
// for a date literal that is no valid date or is not closed.
std::string TranslateJetStatement(std::string_view jet);

}  // namespace orlenvo
