// The moduli set of the three-modulus programs: (7, 9, 65), that is
// (2^m - 1, 2^m + 1, 2^(2m) + 1) with m = 3. Its dynamic range is
// M = 7 * 9 * 65 = 4095 = 2^12 - 1, so a number is a row of 12 positions in
// which a multiplication by 2^s modulo M is a rotation by s positions.

#ifndef TRACE_MODULI_H_
#define TRACE_MODULI_H_

namespace trace {

// The constants of the moduli set, made once by the main of varnel_trace and
// of varnel_sweep and passed whole only to the banners, toResidues,
// traceNumber and level1FrontEnd (one number) and sweepLoop (the whole
// range). The banners print the three moduli and toResidues reduces by them;
// readNumber's bound and sweepLoop's range come from M; every other stage
// receives at most width.
struct Moduli {
  int mod1;   // 2^m - 1
  int mod2;   // 2^m + 1
  int mod3;   // 2^(2m) + 1
  int M;      // the dynamic range, mod1 * mod2 * mod3
  int width;  // positions of every row, 4m
};

// Returns the moduli 7, 9 and 65, their product M and the row width 12.
inline Moduli makeModuli() {
  Moduli moduli;
  moduli.mod1 = 7;
  moduli.mod2 = 9;
  moduli.mod3 = 65;
  moduli.M = moduli.mod1 * moduli.mod2 * moduli.mod3;
  moduli.width = 12;
  return moduli;
}

}  // namespace trace

#endif  // TRACE_MODULI_H_
