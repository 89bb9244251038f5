#pragma once

#include <algorithm>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace finance {

// A whole number as long as it takes, for the exact tests of roundings on a half: 32-bit digits, least significant
// first.
class WholeNumber final
{
public:
    explicit WholeNumber(std::uint64_t value = 0)
    {
        for (; value > 0; value >>= 32)
            digits.push_back(static_cast<std::uint32_t>(value));
    }

    WholeNumber times(std::uint64_t factor) const
    {
        WholeNumber high = timesDigit(static_cast<std::uint32_t>(factor >> 32));
        high.digits.insert(high.digits.begin(), 0);
        return high.plus(timesDigit(static_cast<std::uint32_t>(factor)));
    }

    WholeNumber plus(const WholeNumber& other) const
    {
        WholeNumber sum;
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < std::max(digits.size(), other.digits.size()) || carry > 0; ++i) {
            carry += digit(i) + other.digit(i);
            sum.digits.push_back(static_cast<std::uint32_t>(carry));
            carry >>= 32;
        }
        sum.trim();
        return sum;
    }

    friend std::strong_ordering operator<=>(const WholeNumber& a, const WholeNumber& b)
    {
        if (a.digits.size() != b.digits.size())
            return a.digits.size() <=> b.digits.size();
        return std::lexicographical_compare_three_way(
            a.digits.rbegin(), a.digits.rend(), b.digits.rbegin(), b.digits.rend());
    }

private:
    std::uint64_t digit(std::size_t i) const { return i < digits.size() ? digits[i] : 0; }

    WholeNumber timesDigit(std::uint32_t factor) const
    {
        WholeNumber product;
        std::uint64_t carry = 0;
        for (const std::uint32_t each : digits) {
            carry += std::uint64_t { each } * factor;
            product.digits.push_back(static_cast<std::uint32_t>(carry));
            carry >>= 32;
        }
        product.digits.push_back(static_cast<std::uint32_t>(carry));
        product.trim();
        return product;
    }

    void trim()
    {
        while (!digits.empty() && digits.back() == 0)
            digits.pop_back();
    }

    std::vector<std::uint32_t> digits;
};

} // namespace finance
