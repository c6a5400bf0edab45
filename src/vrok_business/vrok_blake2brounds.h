#ifndef VROK_BUSINESS_BLAKE2BROUNDS_H
#define VROK_BUSINESS_BLAKE2BROUNDS_H

// The twelve rounds of one BLAKE2b compression (RFC 7693), for every implementation to expand
// alike: ROUND(s0, ..., s15) gives the round's order of the 16 message words, the first two
// feeding the mixing of column 0, the next two column 1, and so on through the four columns and
// then the four diagonals. Rounds 10 and 11 take the orders of rounds 0 and 1 again.
#define VROK_BLAKE2B_ROUNDS(ROUND) \
    ROUND( 0,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15) \
    ROUND(14, 10,  4,  8,  9, 15, 13,  6,  1, 12,  0,  2, 11,  7,  5,  3) \
    ROUND(11,  8, 12,  0,  5,  2, 15, 13, 10, 14,  3,  6,  7,  1,  9,  4) \
    ROUND( 7,  9,  3,  1, 13, 12, 11, 14,  2,  6,  5, 10,  4,  0, 15,  8) \
    ROUND( 9,  0,  5,  7,  2,  4, 10, 15, 14,  1, 11, 12,  6,  8,  3, 13) \
    ROUND( 2, 12,  6, 10,  0, 11,  8,  3,  4, 13,  7,  5, 15, 14,  1,  9) \
    ROUND(12,  5,  1, 15, 14, 13,  4, 10,  0,  7,  6,  3,  9,  2,  8, 11) \
    ROUND(13, 11,  7, 14, 12,  1,  3,  9,  5,  0, 15,  4,  8,  6,  2, 10) \
    ROUND( 6, 15, 14,  9, 11,  3,  0,  8, 12,  2, 13,  7,  1,  4, 10,  5) \
    ROUND(10,  2,  8,  4,  7,  6,  1,  5, 15, 11,  9, 14,  3, 12, 13,  0) \
    ROUND( 0,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15) \
    ROUND(14, 10,  4,  8,  9, 15, 13,  6,  1, 12,  0,  2, 11,  7,  5,  3)

#endif
