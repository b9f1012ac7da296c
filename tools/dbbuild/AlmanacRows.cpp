// Placeholder: the almanac rows are computed by the core's almanac code, which replaces this
// file. Until then the huangdao table is created with its columns and no rows.
#include "tools/dbbuild/AlmanacRows.h"

namespace orlenvo {

std::vector<AlmanacRow> AlmanacRows()
{
    return {};
}

}  // namespace orlenvo
