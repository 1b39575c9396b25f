#include "trace/end_around_carry.h"

namespace trace {

int bitRowValue(const int* bits, int width) {
  int value = 0;
  for (int j = width - 1; j >= 0; --j) {
    if (bits[j] == 1) value = value + 1;
    if (j > 0) value = value * 2;
  }
  return value;
}

int applyEndAroundCarry(int value, int endAroundCarry) {
  return value + endAroundCarry;
}

}  // namespace trace
