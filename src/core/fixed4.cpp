#include "fixed4.h"

#include <cmath>
#include <limits>

namespace talir::core {
namespace {

__extension__ typedef unsigned __int128 u128; // GCC and Clang: exact 128-bit products

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

// Rounds mantissa * 10000 * 2^exponent (mantissa >= 0) to a whole number of
// ticks, halves to even, working in exact integer arithmetic so that no false
// half can appear (0.35954999... must give 3595, not 3596).
std::optional<std::uint64_t> scaledTicks(std::uint64_t mantissa, int exponent) {
    const u128 scaled = static_cast<u128>(mantissa) * static_cast<u128>(Fixed4::kScale);
    if (exponent >= 0) {
        if (exponent > 63)
            return mantissa == 0 ? std::optional<std::uint64_t>(0) : std::nullopt;
        if (scaled > (static_cast<u128>(kMax) >> exponent))
            return std::nullopt;
        return static_cast<std::uint64_t>(scaled << exponent);
    }
    const int shift = -exponent;
    if (shift >= 127) // far below half a tick
        return 0;
    const u128 quotient = scaled >> shift;
    const u128 remainder = scaled - (quotient << shift);
    const u128 half = static_cast<u128>(1) << (shift - 1);
    u128 result = quotient;
    if (remainder > half || (remainder == half && (quotient & 1U) != 0))
        ++result;
    if (result > static_cast<u128>(kMax))
        return std::nullopt;
    return static_cast<std::uint64_t>(result);
}

} // namespace

std::optional<Fixed4> Fixed4::tryFromDouble(double x) {
    if (!std::isfinite(x))
        return std::nullopt;
    if (x == 0.0)
        return Fixed4();
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(x), &exponent); // in [0.5, 1)
    // fraction * 2^53 is a whole number for every double.
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const auto magnitude = scaledTicks(mantissa, exponent - 53);
    if (!magnitude)
        return std::nullopt;
    const auto ticks = static_cast<std::int64_t>(*magnitude);
    return Fixed4(x < 0 ? -ticks : ticks);
}

Fixed4 Fixed4::fromDouble(double x) {
    if (const auto value = tryFromDouble(x))
        return *value;
    if (std::isnan(x))
        return Fixed4();
    return Fixed4(x < 0 ? -kMax : kMax);
}

std::int64_t Fixed4::roundToWhole() const {
    std::int64_t whole = ticks_ / kScale;      // truncated toward zero
    const std::int64_t rest = ticks_ % kScale; // same sign as ticks_
    const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
    const bool away = twice > kScale || (twice == kScale && (whole % 2) != 0);
    if (away)
        whole += ticks_ < 0 ? -1 : 1;
    return whole;
}

} // namespace talir::core
