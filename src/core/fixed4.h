#pragma once

#include <cstdint>
#include <optional>

namespace talir::core {

// A signed count of ten-thousandths: the representation in which the tool keeps
// section sizes, free areas, masses, pressure drops and jet throws. Sums and
// products by whole numbers are exact; storing a double rounds its exact binary
// value to the nearest ten-thousandth, halves to the even neighbour.
class Fixed4 {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Fixed4() = default;

    static constexpr Fixed4 fromTicks(std::int64_t ticks) { return Fixed4(ticks); }
    static constexpr Fixed4 fromWhole(std::int64_t whole) { return Fixed4(whole * kScale); }

    // Nearest ten-thousandth of the exact value of x; nothing for a value that
    // is not finite or lies outside the range of the representation.
    static std::optional<Fixed4> tryFromDouble(double x);
    // As tryFromDouble, for values the calculation keeps inside the range by its
    // input limits; an out-of-range value saturates instead of overflowing.
    static Fixed4 fromDouble(double x);

    constexpr std::int64_t ticks() const { return ticks_; }
    double toDouble() const { return static_cast<double>(ticks_) / static_cast<double>(kScale); }
    // Nearest whole number, halves to the even neighbour.
    std::int64_t roundToWhole() const;

    constexpr Fixed4 operator+(Fixed4 o) const { return Fixed4(ticks_ + o.ticks_); }
    constexpr Fixed4 operator-(Fixed4 o) const { return Fixed4(ticks_ - o.ticks_); }
    constexpr Fixed4 operator*(std::int64_t n) const { return Fixed4(ticks_ * n); }
    constexpr bool operator==(Fixed4 o) const { return ticks_ == o.ticks_; }
    constexpr bool operator!=(Fixed4 o) const { return ticks_ != o.ticks_; }
    constexpr bool operator<(Fixed4 o) const { return ticks_ < o.ticks_; }
    constexpr bool operator<=(Fixed4 o) const { return ticks_ <= o.ticks_; }
    constexpr bool operator>(Fixed4 o) const { return ticks_ > o.ticks_; }
    constexpr bool operator>=(Fixed4 o) const { return ticks_ >= o.ticks_; }

private:
    constexpr explicit Fixed4(std::int64_t ticks) : ticks_(ticks) {}
    std::int64_t ticks_ = 0;
};

// F(x) of the calculators: x stored as a four-decimal fixed-point value.
inline Fixed4 F(double x) {
    return Fixed4::fromDouble(x);
}

} // namespace talir::core
