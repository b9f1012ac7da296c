// The ten heavenly stems, the twelve earthly branches, their animals and the sixty-day
// cycle they make, as every calendar text names them. Texts are UTF-8.
#pragma once

#include <string>

namespace orlenvo {

// The place of a count in a cycle of `length` (> 0): 0 ... length - 1, also for a negative
// count (CyclePosition(-1, 12) is 11).
constexpr int CyclePosition(int count, int length)
{
    const int r = count % length;
    return r < 0 ? r + length : r;
}

// The sexagenary cycle: 0 = 甲子, 1 = 乙丑 ... 59 = 癸亥.
// Stems 0 = 甲 ... 9 = 癸, branches 0 = 子 ... 11 = 亥.
int StemOfCycle(int cycle);
int BranchOfCycle(int cycle);
// The cycle number of a stem and branch, or -1 when they never meet (odd/even mismatch).
int CycleOf(int stem, int branch);
const char *StemName(int stem);        // "甲"
const char *BranchName(int branch);    // "子"
const char *BranchAnimal(int branch);  // "鼠"
std::string CycleName(int cycle);      // "甲子"
// The cycle number of a year counted the Chinese way (4 AD and 1984 are 甲子).
int YearCycleOf(int year);

}  // namespace orlenvo
