// The rows of the almanac table huangdao, computed by the core at build time.
#pragma once

#include <string>
#include <vector>

namespace orlenvo {

// One day of the almanac. gn is the date as ISO text 'YYYY-MM-DD'; the other fields are the
// texts the almanac window shows.
struct AlmanacRow {
    std::string gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji;
};

// Every day the almanac table holds, one row per date.
std::vector<AlmanacRow> AlmanacRows();

}  // namespace orlenvo
