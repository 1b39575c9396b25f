#include "trace/conditional_sum_groups.h"

#include <cstdlib>

#include "trace/sigma_hypotheses.h"

namespace trace {

int countLevels(int width) {
  int levelCount = 0;
  for (int g = 2; g <= width / 2; g = g * 2) levelCount = levelCount + 1;
  return levelCount;
}

int groupWidthOfLevel(int level) {
  int groupWidth = 2;
  for (int i = 0; i < level; ++i) groupWidth = groupWidth * 2;
  return groupWidth;
}

CondSumRow*** allocateCondSumGroups(int width, int levelCount) {
  CondSumRow*** groups = new CondSumRow**[levelCount];
  for (int level = 0; level < levelCount; ++level) {
    groups[level] = new CondSumRow*[kHypothesisCount];
    for (int k = 0; k < kHypothesisCount; ++k) {
      CondSumRow* row = new CondSumRow;
      row->sumBits = new int[width];
      row->carries = new int[width];
      for (int p = 0; p < width; ++p) {
        row->sumBits[p] = 0;
        row->carries[p] = 0;
      }
      groups[level][k] = row;
    }
  }
  return groups;
}

void buildWidth2Level(const int* const* sBits, const int* const* cInts,
                      int width, CondSumRow* const* level) {
  for (int k = 0; k < kHypothesisCount; ++k) {
    for (int j = width - 2; j >= 0; j -= 2) {
      level[k]->sumBits[j] = sBits[k][j];
      const int c = cInts[k][j];
      const int upper = hypothesisOfTransfer(c);
      level[k]->sumBits[j + 1] = sBits[upper][j + 1];
      level[k]->carries[j + 1] = cInts[upper][j + 1];
    }
  }
}

void buildDoubledLevel(const CondSumRow* const* lower, int groupWidth,
                       int width, CondSumRow* const* level) {
  const int half = groupWidth / 2;
  for (int k = 0; k < kHypothesisCount; ++k) {
    for (int j = width - groupWidth; j >= 0; j -= groupWidth) {
      for (int i = 0; i < half; ++i) {
        level[k]->sumBits[j + i] = lower[k]->sumBits[j + i];
      }
      const int c = lower[k]->carries[j + half - 1];
      const int upper = hypothesisOfTransfer(c);
      for (int i = half; i < groupWidth; ++i) {
        level[k]->sumBits[j + i] = lower[upper]->sumBits[j + i];
      }
      level[k]->carries[j + groupWidth - 1] =
          lower[upper]->carries[j + groupWidth - 1];
    }
  }
}

void printCondSumLevel(std::ostream& out, const CondSumRow* const* level,
                       int groupWidth, int width) {
  for (int k = 0; k < kHypothesisCount; ++k) {
    // The lowest group is taken under the no-transfer hypothesis only.
    const int lo = (k == kNoTransferHypothesis) ? 0 : groupWidth;
    const CondSumRow* row = level[k];
    for (int p = width - 1; p >= lo; --p) out << row->sumBits[p];
    out << std::endl;
    for (int p = width - 1; p >= lo; --p) {
      const bool marked = (p + 1) % groupWidth == 0;
      out << (marked && row->carries[p] < 0 ? "-" : " ");
    }
    out << std::endl;
    for (int p = width - 1; p >= lo; --p) {
      const bool marked = (p + 1) % groupWidth == 0;
      if (marked) {
        out << std::abs(row->carries[p]);
      } else {
        out << " ";
      }
    }
    out << std::endl << std::endl;
  }
}

CondSumRow*** conditionalSumLevels(const int* const* sBits,
                                   const int* const* cInts, int width,
                                   int* levelCount, std::ostream& out) {
  *levelCount = countLevels(width);
  CondSumRow*** groups = allocateCondSumGroups(width, *levelCount);
  out << "Got through the allocation and init of the cond. sum it. groups."
      << std::endl;
  for (int level = 0; level < *levelCount; ++level) {
    const int groupWidth = groupWidthOfLevel(level);
    if (level == 0) {
      buildWidth2Level(sBits, cInts, width, groups[0]);
    } else {
      buildDoubledLevel(groups[level - 1], groupWidth, width, groups[level]);
    }
    printCondSumLevel(out, groups[level], groupWidth, width);
  }
  return groups;
}

void releaseCondSumGroups(CondSumRow*** groups, int levelCount) {
  for (int level = 0; level < levelCount; ++level) {
    for (int k = 0; k < kHypothesisCount; ++k) {
      delete[] groups[level][k]->sumBits;
      delete[] groups[level][k]->carries;
      delete groups[level][k];
    }
    delete[] groups[level];
  }
  delete[] groups;
}

}  // namespace trace
