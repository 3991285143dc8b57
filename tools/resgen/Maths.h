#pragma once

namespace ResGen {

// Sine, cosine and exponential built from plain arithmetic only, so that the
// generated pictures and sounds are the same bytes with any maths library.
constexpr double kPi = 3.14159265358979323846;
double Sine(double x);
double Cosine(double x);
double Exp(double x);

}  // namespace ResGen
