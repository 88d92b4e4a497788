// Reads number texts, one per line, under comma settings and prints what ReadNumber makes of
// each: "invalid", "0", "-0", or the sign, the odd integer significand and the power of two of
// the extended value. The exact-reading test compares this with its own rational arithmetic.
#include "calc/number_rules.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        try {
            const Extended value = ReadNumber(QString::fromStdString(line), QChar(u','));
            if (value == 0) {
                std::puts(std::signbit(value) ? "-0" : "0");
                continue;
            }
            int exponent = 0;
            const Extended fraction = std::frexp(std::fabs(value), &exponent);
            auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
            long long power = exponent - 64LL;
            while ((significand & 1) == 0) {
                significand >>= 1;
                ++power;
            }
            std::printf("%s%llu %lld\n", value < 0 ? "-" : "",
                static_cast<unsigned long long>(significand), power);
        } catch (const EConvertError &) {
            std::puts("invalid");
        }
    }
    return 0;
}
