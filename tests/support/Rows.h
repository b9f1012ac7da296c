// Table-driven GoogleTest checks: each row's input through one function against the row's result.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

namespace orlenvo::testing {

// A Gregorian day of a test row; failure messages print it as year-month-day.
struct Day {
    int year, month, day;
};

inline std::ostream &operator<<(std::ostream &out, const Day &d)
{
    return out << d.year << '-' << d.month << '-' << d.day;
}

// Expects fn(in) == out for every row {in, out}; a failing row is named by its input. Give a
// text result as std::string, so that it is compared by its characters.
template <typename In, typename Out, typename Fn>
void ExpectEach(const Fn &fn, std::initializer_list<std::pair<In, Out>> rows)
{
    for (const auto &[in, out] : rows)
        EXPECT_EQ(fn(in), out) << "for " << ::testing::PrintToString(in);
}

// Expects fn(in) to throw an E whose what() is message(in), for every input.
template <typename E, typename In, typename Fn, typename Message>
void ExpectEachThrows(const Fn &fn, std::initializer_list<In> inputs, const Message &message)
{
    for (const In &in : inputs) {
        try {
            fn(in);
            ADD_FAILURE() << "accepted " << ::testing::PrintToString(in);
        } catch (const E &e) {
            EXPECT_EQ(std::string(e.what()), message(in));
        }
    }
}

}  // namespace orlenvo::testing
