// Net-name conversion and the eighty-one number lookup. Goal: at most 5 µs per 18-character name.
#include "core/Text.h"
#include "numerology/EightyOne.h"
#include "numerology/Pinyin.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// 18 characters: Chinese, Latin letters, digits, a Roman numeral, Greek, full-width, a symbol.
const std::string kMixedName = "张三abc123Ⅻ小明θ王李ａ赵!好";

void BM_NetNameTraitFromUtf8(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(orlenvo::NetNameTrait(orlenvo::Utf8ToGbk(kMixedName)));
}
BENCHMARK(BM_NetNameTraitFromUtf8);

void BM_NetNameTraitGbk(benchmark::State &state)
{
    const std::string gbk = orlenvo::Utf8ToGbk(kMixedName);
    for (auto _ : state)
        benchmark::DoNotOptimize(orlenvo::NetNameTrait(gbk));
}
BENCHMARK(BM_NetNameTraitGbk);

void BM_PinyinInitials(benchmark::State &state)
{
    const std::string gbk = orlenvo::Utf8ToGbk(kMixedName);
    for (auto _ : state)
        benchmark::DoNotOptimize(orlenvo::PinyinInitials(gbk));
}
BENCHMARK(BM_PinyinInitials);

void BM_LookupEightyOne(benchmark::State &state)
{
    const std::string number = "123456789012345678";
    for (auto _ : state)
        benchmark::DoNotOptimize(orlenvo::LookupEightyOne(number));
}
BENCHMARK(BM_LookupEightyOne);

}  // namespace

BENCHMARK_MAIN();
