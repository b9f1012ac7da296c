// Builds the three knowledge databases from the text sources in content/ (see content/README.md).
#pragma once

#include "tools/dbbuild/AlmanacRows.h"

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orlenvo::dbbuild {

// A source that cannot be read or does not follow its format; the text names file and line.
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct MobileReadingRow {
    std::string num, title, jx, content;
};

struct ArticleRow {
    std::string cid, tite, content;
};

struct PicturePageRow {
    int num = 0;
    int page = 0;
    std::vector<unsigned char> picture;  // JPEG bytes
    std::string text;
};

// content/shouji.txt: records "[key]" followed by the lines "title: ", "jx: ", "content: ".
std::vector<MobileReadingRow> ReadMobileReadings(const std::filesystem::path &file);

// content/noter/<id>.txt: the title on the first line, an empty line, then the body.
std::vector<ArticleRow> ReadArticles(const std::filesystem::path &folder);

// content/tuwen/<num>/<page>.txt (page text) with the picture <pictures>/<num>-<page>.jpg.
// A page whose picture is missing is an error.
std::vector<PicturePageRow> ReadPicturePages(const std::filesystem::path &folder,
                                             const std::filesystem::path &pictures);

// content/almanac/month-table.txt: the almanac month table (see calendar/AlmanacTable.h).
std::filesystem::path AlmanacMonthTableFile(const std::filesystem::path &content);
AlmanacMonthTable ReadAlmanacMonthTable(const std::filesystem::path &file);

// Checks the almanac rows: gn a valid ISO date, no date twice. Returns them sorted by date.
std::vector<AlmanacEntry> CheckedAlmanacRows(std::vector<AlmanacEntry> rows);

// Converts texts to a Traditional script: the texts in, their converted forms out, in order.
using TextConverter = std::function<std::vector<std::string>(const std::vector<std::string> &)>;

// The converter that runs `program convert --to <script>` (tools/gen_traditional) once over all
// texts, one text to a line with the escapes \n, \r, \t and \\. Throws BuildError when the
// program fails or returns another number of lines.
TextConverter ProgramConverter(const std::filesystem::path &program, const std::string &script);

// Writes dream.dll, QorvFile.dll and QorvBirth.dll into `output`. Each file is written beside
// its place under a temporary name and renamed over it only when complete. The same sources
// give the same bytes. With a converter, every text a window shows is stored converted (the
// keys num, Cid, gn, the article and page numbers and the pictures stay as they are); the
// sources are checked as they are written, in Simplified.
void BuildDatabases(const std::filesystem::path &content, const std::filesystem::path &pictures,
                    const std::filesystem::path &output, const std::vector<AlmanacEntry> &almanac,
                    const TextConverter &convert = {});

}  // namespace orlenvo::dbbuild
