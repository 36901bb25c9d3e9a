// Shared number type, not-applicable value, rounding and error types of the model.
#pragma once

#include <cmath>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <string>

using Real = long double;

// A result that does not apply holds a quiet NaN; every display shows it as "N.A.".
inline Real NaN()
{
    return std::numeric_limits<Real>::quiet_NaN();
}
inline bool IsNaN(Real v)
{
    return std::isnan(v);
}

// Rounds to the nearest integer, halves to the even neighbour.
Real RoundHalfEven(Real v);
// round(v * 10^decimals) / 10^decimals with halves to even.
Real RoundDecimals(Real v, int decimals);

// Smallest / largest entry of a short list, NaN entries skipped; NaN when no entry counts.
Real MinValid(std::initializer_list<Real> values);
Real MaxValid(std::initializer_list<Real> values);

// Base of every error the system raises; what() is the message shown to the user.
class EPelmarkError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class EWrongFileFormat : public EPelmarkError {
  public:
    EWrongFileFormat() : EPelmarkError("Wrong file format") {}
};

class EZeroDivide : public EPelmarkError {
  public:
    EZeroDivide() : EPelmarkError("Floating point division by zero") {}
};

class EInvalidOp : public EPelmarkError {
  public:
    EInvalidOp() : EPelmarkError("Invalid floating point operation") {}
};

class EOverflow : public EPelmarkError {
  public:
    EOverflow() : EPelmarkError("Floating point overflow") {}
};

// Checked arithmetic at the places where a zero divisor or an invalid operand can occur:
// x / 0 with x != 0 is a division by zero, 0 / 0 an invalid operation.
Real CheckedDiv(Real numerator, Real divisor);
// sqrt of a negative number, log of a non-positive one: invalid operation.
Real CheckedSqrt(Real v);
Real CheckedLn(Real v);
// An infinite result of finite operands is an overflow.
Real CheckOverflow(Real v);
