#include "core/RegionalSettings.h"
#include "tests/support/Rows.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <vector>

namespace orlenvo {
namespace {

class FakeStore final : public RegionalSettingsStore {
public:
    std::map<LocaleItem, std::string> values;
    std::vector<LocaleItem> writes;
    LocaleItem failReadOn = LocaleItem(0);
    LocaleItem failWriteOn = LocaleItem(0);

    std::string Read(LocaleItem item) override
    {
        if (item == failReadOn)
            throw std::runtime_error("read failed");
        return values[item];
    }
    void Write(LocaleItem item, const std::string &value) override
    {
        if (item == failWriteOn)
            throw std::runtime_error("write failed");
        values[item] = value;
        writes.push_back(item);
    }
};

FakeStore RequiredValues()
{
    FakeStore store;
    for (const auto &r : kRequiredLocaleValues)
        store.values[r.item] = r.value;
    return store;
}

TEST(RegionalSettings, RequiredValuesInOrder)
{
    ASSERT_EQ(kRequiredLocaleValues.size(), 5u);
    EXPECT_EQ(kRequiredLocaleValues[0].item, LocaleItem::LongDate);
    EXPECT_STREQ(kRequiredLocaleValues[0].value, "yyyy'\xE5\xB9\xB4'M'\xE6\x9C\x88'd'\xE6\x97\xA5'");
    EXPECT_STREQ(kRequiredLocaleValues[1].value, "yyyy-MM-dd");
    EXPECT_STREQ(kRequiredLocaleValues[2].value, "H:mm:ss");
    EXPECT_STREQ(kRequiredLocaleValues[3].value, "-");
    EXPECT_STREQ(kRequiredLocaleValues[4].value, ":");
    EXPECT_EQ(static_cast<int>(kRequiredLocaleValues[2].item), 4099);
}

TEST(RegionalSettings, Synchronisation)
{
    struct Case {
        const char *name;
        LocaleItem item;
        std::string current;
        bool rewritten;
    };
    const Case cases[] = {
        {"equal apart from blanks", LocaleItem::ShortDate, "  yyyy-MM-dd\t", false},
        {"differs in letter case", LocaleItem::TimeFormat, "h:mm:ss", true},
        {"different separator", LocaleItem::DateSeparator, "/", true},
        {"empty value", LocaleItem::TimeSeparator, "", true},
    };
    for (const auto &c : cases) {
        FakeStore store = RequiredValues();
        store.values[c.item] = c.current;
        EXPECT_EQ(SynchroniseRegionalSettings(store), c.rewritten ? 1 : 0) << c.name;
        EXPECT_EQ(store.writes.size(), c.rewritten ? 1u : 0u) << c.name;
    }
}

TEST(RegionalSettings, AllEqualWritesNothing)
{
    FakeStore store = RequiredValues();
    EXPECT_EQ(SynchroniseRegionalSettings(store), 0);
    EXPECT_TRUE(store.writes.empty());
}

TEST(RegionalSettings, FailureAbandonsTheRemainingItemsSilently)
{
    FakeStore store;  // every value differs
    store.failReadOn = LocaleItem::TimeFormat;
    EXPECT_NO_THROW(SynchroniseRegionalSettings(store));
    EXPECT_EQ(store.writes, (std::vector<LocaleItem>{LocaleItem::LongDate, LocaleItem::ShortDate}));

    FakeStore store2;
    store2.failWriteOn = LocaleItem::ShortDate;
    EXPECT_NO_THROW(SynchroniseRegionalSettings(store2));
    EXPECT_EQ(store2.writes, (std::vector<LocaleItem>{LocaleItem::LongDate}));
}

TEST(RegionalSettings, ValueLongerThanTheBufferIsCut)
{
    FakeStore store = RequiredValues();
    // 23 characters of the required value followed by more: read as the first 23 only.
    store.values[LocaleItem::ShortDate] = "yyyy-MM-dd" + std::string(20, ' ') + "x";
    EXPECT_EQ(SynchroniseRegionalSettings(store), 0);
}

TEST(RegionalSettings, ProcessStoreEndsWithTheRequiredValues)
{
    ProcessRegionalSettings store;
    SynchroniseRegionalSettings(store);
    for (const auto &r : kRequiredLocaleValues)
        EXPECT_EQ(store.Read(r.item), r.value);
    EXPECT_EQ(SynchroniseRegionalSettings(store), 0);
}

TEST(RegionalSettings, StrftimePictures)
{
    testing::ExpectEach<std::string, std::string>(
        WindowsPictureFromStrftime, {{"%m/%d/%y", "MM/dd/yy"}, {"%Y-%m-%d", "yyyy-MM-dd"}, {"%H:%M:%S", "HH:mm:ss"}});
}

}  // namespace
}  // namespace orlenvo
