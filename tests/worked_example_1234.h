// What varnel_trace prints for the number 1234, stage by stage, worked out
// by hand.

#ifndef TESTS_WORKED_EXAMPLE_1234_H_
#define TESTS_WORKED_EXAMPLE_1234_H_

// Residues, residue bits, operand rows and both bit-number headers.
const char kResidueBlock1234[] = R"(1234 converted to the RNS, is (2,1,64).
In binary, the three residues are: 010, 0001, 1000000.

109876543210 (bit numbers)
2^(4m-1) x3 to add, is
000000100000 C+
2^(4m-2) x1, 2^(3m-2) x1, 2^(2m-2) x1, and 2^(m-2) x1 to add, is
100100100100 A+
2^(4m-2) x2, 2^(2m-2) x2 to add, is
010000010000 B+
2^(2m-1) x3, to subtract, is
100000000000 C-
2^(3m-2) x2, and 2^(m-2) x2 to subtract, is
000010000010 B-
109876543210 (bit numbers)
)";

// The level-1 sign and magnitude lines; the sign line ends in a blank.
const char kLevel1Block1234[] =
    "    -     - \n"
    "010110210110 <-- Level 1 Output\n";

// The five hypotheses: raw Sigma signs and magnitudes, s(o) bits, c(i+1)
// signs and magnitudes, an empty line.
const char kHypothesesBlock1234[] =
    "In order of raw Sigma, s(o) bits and c(i+1) ints, all the possiblities "
    "are:\n"
    "            \n232312432312\n010110010110\n            \n111101211101\n\n"
    "            \n121201321201\n101001101001\n            \n010100110100\n\n"
    "    -     - \n010110210110\n010110010110\n    -     - \n000010100010\n\n"
    "- - --  - --\n101021101021\n101001101001\n- - --  - --\n101011001011\n\n"
    "------ -----\n212132012132\n010110010110\n------ -----\n111121011121\n\n";

// The allocation message, the width-2 level and the width-4 level.
const char kCondSumBlock1234[] =
    "Got through the allocation and init of the cond. sum it. groups.\n"
    "1111001111\n          \n0 0 0 1 0 \n\n"
    "1010111010\n    -     \n0 0 1 1 0 \n\n"
    "010110010110\n    -     - \n0 0 1 1 0 1 \n\n"
    "0000010000\n    -     \n0 0 1 1 0 \n\n"
    "1111001111\n- - -   - \n1 1 1 0 1 \n\n"
    "01111111\n    -   \n0   1   \n\n"
    "01101110\n    -   \n0   1   \n\n"
    "010111010010\n    -       \n0   1   0   \n\n"
    "01001100\n    -   \n0   1   \n\n"
    "00111011\n    -   \n0   1   \n\n";

// The three result lines and the empty line.
const char kResultBlock1234[] =
    "The output of level 2, just before the end-around carry is: 1234\n"
    "The end-around carry is: 0\n"
    "The final number converted back from RNS is 1234\n"
    "\n";

#endif  // TESTS_WORKED_EXAMPLE_1234_H_
