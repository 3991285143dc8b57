#include "tools/resgen/Maths.h"

#include <cmath>

namespace ResGen {

double Sine(double x) {
    // Reduce to [-pi, pi], then to [-pi/2, pi/2] by symmetry; a Taylor series
    // to x^15 is then accurate far below the 16-bit sample step.
    const double turns = std::floor(x / (2 * kPi) + 0.5);
    x -= turns * 2 * kPi;
    if (x > kPi / 2) {
        x = kPi - x;
    } else if (x < -kPi / 2) {
        x = -kPi - x;
    }
    const double x2 = x * x;
    double term = x, sum = x;
    for (int n = 1; n <= 7; ++n) {
        term *= -x2 / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

double Cosine(double x) {
    return Sine(x + kPi / 2);
}

double Exp(double x) {
    // e^x = 2^k * e^r with |r| <= ln 2 / 2; ldexp is exact.
    const double ln2 = 0.69314718055994530942;
    const double k = std::floor(x / ln2 + 0.5);
    const double r = x - k * ln2;
    double term = 1, sum = 1;
    for (int n = 1; n <= 14; ++n) {
        term *= r / n;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(k));
}

}  // namespace ResGen
