#ifndef VROK_BUSINESS_SHA256STEPS_H
#define VROK_BUSINESS_SHA256STEPS_H

// The 64 steps of one SHA-256 compression, in order, for every implementation to expand
// alike: STEP(a, b, c, d, e, f, g, h, step index, constant), the names turning by one each step
// so that no value is moved. The constants are the 32-bit words of the standard.
#define VROK_SHA256_STEPS(STEP) \
    STEP(a, b, c, d, e, f, g, h,  0, 0x428a2f98u) \
    STEP(h, a, b, c, d, e, f, g,  1, 0x71374491u) \
    STEP(g, h, a, b, c, d, e, f,  2, 0xb5c0fbcfu) \
    STEP(f, g, h, a, b, c, d, e,  3, 0xe9b5dba5u) \
    STEP(e, f, g, h, a, b, c, d,  4, 0x3956c25bu) \
    STEP(d, e, f, g, h, a, b, c,  5, 0x59f111f1u) \
    STEP(c, d, e, f, g, h, a, b,  6, 0x923f82a4u) \
    STEP(b, c, d, e, f, g, h, a,  7, 0xab1c5ed5u) \
    STEP(a, b, c, d, e, f, g, h,  8, 0xd807aa98u) \
    STEP(h, a, b, c, d, e, f, g,  9, 0x12835b01u) \
    STEP(g, h, a, b, c, d, e, f, 10, 0x243185beu) \
    STEP(f, g, h, a, b, c, d, e, 11, 0x550c7dc3u) \
    STEP(e, f, g, h, a, b, c, d, 12, 0x72be5d74u) \
    STEP(d, e, f, g, h, a, b, c, 13, 0x80deb1feu) \
    STEP(c, d, e, f, g, h, a, b, 14, 0x9bdc06a7u) \
    STEP(b, c, d, e, f, g, h, a, 15, 0xc19bf174u) \
    STEP(a, b, c, d, e, f, g, h, 16, 0xe49b69c1u) \
    STEP(h, a, b, c, d, e, f, g, 17, 0xefbe4786u) \
    STEP(g, h, a, b, c, d, e, f, 18, 0x0fc19dc6u) \
    STEP(f, g, h, a, b, c, d, e, 19, 0x240ca1ccu) \
    STEP(e, f, g, h, a, b, c, d, 20, 0x2de92c6fu) \
    STEP(d, e, f, g, h, a, b, c, 21, 0x4a7484aau) \
    STEP(c, d, e, f, g, h, a, b, 22, 0x5cb0a9dcu) \
    STEP(b, c, d, e, f, g, h, a, 23, 0x76f988dau) \
    STEP(a, b, c, d, e, f, g, h, 24, 0x983e5152u) \
    STEP(h, a, b, c, d, e, f, g, 25, 0xa831c66du) \
    STEP(g, h, a, b, c, d, e, f, 26, 0xb00327c8u) \
    STEP(f, g, h, a, b, c, d, e, 27, 0xbf597fc7u) \
    STEP(e, f, g, h, a, b, c, d, 28, 0xc6e00bf3u) \
    STEP(d, e, f, g, h, a, b, c, 29, 0xd5a79147u) \
    STEP(c, d, e, f, g, h, a, b, 30, 0x06ca6351u) \
    STEP(b, c, d, e, f, g, h, a, 31, 0x14292967u) \
    STEP(a, b, c, d, e, f, g, h, 32, 0x27b70a85u) \
    STEP(h, a, b, c, d, e, f, g, 33, 0x2e1b2138u) \
    STEP(g, h, a, b, c, d, e, f, 34, 0x4d2c6dfcu) \
    STEP(f, g, h, a, b, c, d, e, 35, 0x53380d13u) \
    STEP(e, f, g, h, a, b, c, d, 36, 0x650a7354u) \
    STEP(d, e, f, g, h, a, b, c, 37, 0x766a0abbu) \
    STEP(c, d, e, f, g, h, a, b, 38, 0x81c2c92eu) \
    STEP(b, c, d, e, f, g, h, a, 39, 0x92722c85u) \
    STEP(a, b, c, d, e, f, g, h, 40, 0xa2bfe8a1u) \
    STEP(h, a, b, c, d, e, f, g, 41, 0xa81a664bu) \
    STEP(g, h, a, b, c, d, e, f, 42, 0xc24b8b70u) \
    STEP(f, g, h, a, b, c, d, e, 43, 0xc76c51a3u) \
    STEP(e, f, g, h, a, b, c, d, 44, 0xd192e819u) \
    STEP(d, e, f, g, h, a, b, c, 45, 0xd6990624u) \
    STEP(c, d, e, f, g, h, a, b, 46, 0xf40e3585u) \
    STEP(b, c, d, e, f, g, h, a, 47, 0x106aa070u) \
    STEP(a, b, c, d, e, f, g, h, 48, 0x19a4c116u) \
    STEP(h, a, b, c, d, e, f, g, 49, 0x1e376c08u) \
    STEP(g, h, a, b, c, d, e, f, 50, 0x2748774cu) \
    STEP(f, g, h, a, b, c, d, e, 51, 0x34b0bcb5u) \
    STEP(e, f, g, h, a, b, c, d, 52, 0x391c0cb3u) \
    STEP(d, e, f, g, h, a, b, c, 53, 0x4ed8aa4au) \
    STEP(c, d, e, f, g, h, a, b, 54, 0x5b9cca4fu) \
    STEP(b, c, d, e, f, g, h, a, 55, 0x682e6ff3u) \
    STEP(a, b, c, d, e, f, g, h, 56, 0x748f82eeu) \
    STEP(h, a, b, c, d, e, f, g, 57, 0x78a5636fu) \
    STEP(g, h, a, b, c, d, e, f, 58, 0x84c87814u) \
    STEP(f, g, h, a, b, c, d, e, 59, 0x8cc70208u) \
    STEP(e, f, g, h, a, b, c, d, 60, 0x90befffau) \
    STEP(d, e, f, g, h, a, b, c, 61, 0xa4506cebu) \
    STEP(c, d, e, f, g, h, a, b, 62, 0xbef9a3f7u) \
    STEP(b, c, d, e, f, g, h, a, 63, 0xc67178f2u)

#endif
