#ifndef QELUNITS_SRC_CATALOG_POWERS_H
#define QELUNITS_SRC_CATALOG_POWERS_H

// Squares and cubes rounded once, as a correctly rounded pow(x, 2.0) and
// pow(x, 3.0) give them, but usable in constant expressions so that the tables
// built from them are complete before any code runs.

namespace qelunits_detail {

struct TwoDoubles {
    double hi;
    double lo;
};

// Veltkamp split of a into two halves of 26 bits each.
constexpr TwoDoubles split(double a) {
    const double c = 134217729.0 * a; // 2^27 + 1
    const double hi = c - (c - a);
    return {hi, a - hi};
}

// a * b as the rounded product plus its exact error (Dekker).
constexpr TwoDoubles exactProduct(double a, double b) {
    const double p = a * b;
    const TwoDoubles as = split(a);
    const TwoDoubles bs = split(b);
    const double err = ((as.hi * bs.hi - p) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo;
    return {p, err};
}

constexpr double sq(double x) { return x * x; }

constexpr double cube(double x) {
    const TwoDoubles x2 = exactProduct(x, x);
    const TwoDoubles main = exactProduct(x2.hi, x);
    const TwoDoubles tail = exactProduct(x2.lo, x);
    return main.hi + ((main.lo + tail.hi) + tail.lo);
}

} // namespace qelunits_detail

#endif
