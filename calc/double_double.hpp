#pragma once

// Double-double arithmetic: a value held as the unevaluated sum hi + lo of two doubles, good to
// about 104 bits. Built only from IEEE additions, multiplications and divisions in a fixed
// order, so every platform computes the same bits (the build forbids contracting them into
// fused multiply-adds, which would break the error-free transformations below).

namespace varnok::dd {

struct DD {
  double hi;
  double lo;
};

// s + e == a + b exactly.
constexpr DD twoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  const double e = (a - (s - bb)) + (b - bb);
  return {s, e};
}

// As twoSum, for |a| >= |b|.
constexpr DD quickTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// Dekker's split of a into two halves of 26 bits each; the largest values are scaled down
// first, so that the product with 2^27 + 1 cannot overflow.
constexpr DD split(double a) {
  if (a > 0x1p996 || a < -0x1p996) {
    const DD s = split(a * 0x1p-28);
    return {s.hi * 0x1p28, s.lo * 0x1p28};
  }
  const double t = 134217729.0 * a;  // 2^27 + 1
  const double hi = t - (t - a);
  return {hi, a - hi};
}

// p + e == a * b exactly, unless the product overflows or underflows.
constexpr DD twoProd(double a, double b) {
  const double p = a * b;
  const DD as = split(a);
  const DD bs = split(b);
  const double e = ((as.hi * bs.hi - p) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo;
  return {p, e};
}

constexpr DD add(DD a, DD b) {
  DD s = twoSum(a.hi, b.hi);
  const DD t = twoSum(a.lo, b.lo);
  s.lo += t.hi;
  s = quickTwoSum(s.hi, s.lo);
  s.lo += t.lo;
  return quickTwoSum(s.hi, s.lo);
}

constexpr DD neg(DD a) {
  return {-a.hi, -a.lo};
}

constexpr DD sub(DD a, DD b) {
  return add(a, neg(b));
}

constexpr DD mul(DD a, DD b) {
  DD p = twoProd(a.hi, b.hi);
  p.lo += a.hi * b.lo + a.lo * b.hi;
  return quickTwoSum(p.hi, p.lo);
}

constexpr DD mul(DD a, double b) {
  DD p = twoProd(a.hi, b);
  p.lo += a.lo * b;
  return quickTwoSum(p.hi, p.lo);
}

constexpr DD div(DD a, DD b) {
  const double q1 = a.hi / b.hi;
  DD r = sub(a, mul(b, q1));
  const double q2 = r.hi / b.hi;
  r = sub(r, mul(b, q2));
  const double q3 = r.hi / b.hi;
  return add(quickTwoSum(q1, q2), DD{q3, 0});
}

}  // namespace varnok::dd
