#include "calendar/Sexagenary.h"

namespace orlenvo {

namespace {

// clang-format off
constexpr const char *kStemNames[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr const char *kBranchNames[12] = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥",
};
constexpr const char *kBranchAnimals[12] = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪",
};
// clang-format on

}  // namespace

int StemOfCycle(int cycle)
{
    return CyclePosition(cycle, 10);
}

int BranchOfCycle(int cycle)
{
    return CyclePosition(cycle, 12);
}

int CycleOf(int stem, int branch)
{
    if (stem < 0 || stem > 9 || branch < 0 || branch > 11 || (stem - branch) % 2 != 0)
        return -1;
    // The cycle number n has n mod 10 = stem and n mod 12 = branch.
    return CyclePosition(6 * stem - 5 * branch, 60);
}

const char *StemName(int stem)
{
    return kStemNames[CyclePosition(stem, 10)];
}

const char *BranchName(int branch)
{
    return kBranchNames[CyclePosition(branch, 12)];
}

const char *BranchAnimal(int branch)
{
    return kBranchAnimals[CyclePosition(branch, 12)];
}

std::string CycleName(int cycle)
{
    return std::string(StemName(StemOfCycle(cycle))) + BranchName(BranchOfCycle(cycle));
}

int YearCycleOf(int year)
{
    return CyclePosition(year - 4, 60);
}

}  // namespace orlenvo
