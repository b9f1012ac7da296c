// Helpers shared by the libFuzzer targets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace orlenvo::fuzz {

// A property the target checks: on failure prints what broke and aborts, so that libFuzzer
// keeps the input as a crash.
inline void Check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// Reads the input from the front, a fixed-size value at a time; missing bytes read as 0.
class Bytes {
public:
    Bytes(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T Take()
    {
        T value{};
        const std::size_t n = size_ < sizeof value ? size_ : sizeof value;
        if (n > 0)
            std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }

    std::string_view Rest() const { return {reinterpret_cast<const char *>(data_), size_}; }
    bool Empty() const { return size_ == 0; }

private:
    const std::uint8_t *data_;
    std::size_t size_;
};

inline std::string_view AsText(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

}  // namespace orlenvo::fuzz
