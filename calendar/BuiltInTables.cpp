// The compiled-in month table.
#include "calendar/BuiltInTables.h"

namespace orlenvo {

const AlmanacMonthTable &BuiltInAlmanacMonthTable()
{
    static const AlmanacMonthTable table = AlmanacMonthTable::Parse(MonthTableText());
    return table;
}

}  // namespace orlenvo
