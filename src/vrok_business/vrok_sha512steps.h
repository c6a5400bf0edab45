#ifndef VROK_BUSINESS_SHA512STEPS_H
#define VROK_BUSINESS_SHA512STEPS_H

// The 80 steps of one SHA-512 compression, in order, for every implementation to expand
// alike: STEP(a, b, c, d, e, f, g, h, step index, constant), the names turning by one each step
// so that no value is moved. The constants are the 64-bit words of the standard.
#define VROK_SHA512_STEPS(STEP) \
    STEP(a, b, c, d, e, f, g, h,  0, 0x428a2f98d728ae22ull) \
    STEP(h, a, b, c, d, e, f, g,  1, 0x7137449123ef65cdull) \
    STEP(g, h, a, b, c, d, e, f,  2, 0xb5c0fbcfec4d3b2full) \
    STEP(f, g, h, a, b, c, d, e,  3, 0xe9b5dba58189dbbcull) \
    STEP(e, f, g, h, a, b, c, d,  4, 0x3956c25bf348b538ull) \
    STEP(d, e, f, g, h, a, b, c,  5, 0x59f111f1b605d019ull) \
    STEP(c, d, e, f, g, h, a, b,  6, 0x923f82a4af194f9bull) \
    STEP(b, c, d, e, f, g, h, a,  7, 0xab1c5ed5da6d8118ull) \
    STEP(a, b, c, d, e, f, g, h,  8, 0xd807aa98a3030242ull) \
    STEP(h, a, b, c, d, e, f, g,  9, 0x12835b0145706fbeull) \
    STEP(g, h, a, b, c, d, e, f, 10, 0x243185be4ee4b28cull) \
    STEP(f, g, h, a, b, c, d, e, 11, 0x550c7dc3d5ffb4e2ull) \
    STEP(e, f, g, h, a, b, c, d, 12, 0x72be5d74f27b896full) \
    STEP(d, e, f, g, h, a, b, c, 13, 0x80deb1fe3b1696b1ull) \
    STEP(c, d, e, f, g, h, a, b, 14, 0x9bdc06a725c71235ull) \
    STEP(b, c, d, e, f, g, h, a, 15, 0xc19bf174cf692694ull) \
    STEP(a, b, c, d, e, f, g, h, 16, 0xe49b69c19ef14ad2ull) \
    STEP(h, a, b, c, d, e, f, g, 17, 0xefbe4786384f25e3ull) \
    STEP(g, h, a, b, c, d, e, f, 18, 0x0fc19dc68b8cd5b5ull) \
    STEP(f, g, h, a, b, c, d, e, 19, 0x240ca1cc77ac9c65ull) \
    STEP(e, f, g, h, a, b, c, d, 20, 0x2de92c6f592b0275ull) \
    STEP(d, e, f, g, h, a, b, c, 21, 0x4a7484aa6ea6e483ull) \
    STEP(c, d, e, f, g, h, a, b, 22, 0x5cb0a9dcbd41fbd4ull) \
    STEP(b, c, d, e, f, g, h, a, 23, 0x76f988da831153b5ull) \
    STEP(a, b, c, d, e, f, g, h, 24, 0x983e5152ee66dfabull) \
    STEP(h, a, b, c, d, e, f, g, 25, 0xa831c66d2db43210ull) \
    STEP(g, h, a, b, c, d, e, f, 26, 0xb00327c898fb213full) \
    STEP(f, g, h, a, b, c, d, e, 27, 0xbf597fc7beef0ee4ull) \
    STEP(e, f, g, h, a, b, c, d, 28, 0xc6e00bf33da88fc2ull) \
    STEP(d, e, f, g, h, a, b, c, 29, 0xd5a79147930aa725ull) \
    STEP(c, d, e, f, g, h, a, b, 30, 0x06ca6351e003826full) \
    STEP(b, c, d, e, f, g, h, a, 31, 0x142929670a0e6e70ull) \
    STEP(a, b, c, d, e, f, g, h, 32, 0x27b70a8546d22ffcull) \
    STEP(h, a, b, c, d, e, f, g, 33, 0x2e1b21385c26c926ull) \
    STEP(g, h, a, b, c, d, e, f, 34, 0x4d2c6dfc5ac42aedull) \
    STEP(f, g, h, a, b, c, d, e, 35, 0x53380d139d95b3dfull) \
    STEP(e, f, g, h, a, b, c, d, 36, 0x650a73548baf63deull) \
    STEP(d, e, f, g, h, a, b, c, 37, 0x766a0abb3c77b2a8ull) \
    STEP(c, d, e, f, g, h, a, b, 38, 0x81c2c92e47edaee6ull) \
    STEP(b, c, d, e, f, g, h, a, 39, 0x92722c851482353bull) \
    STEP(a, b, c, d, e, f, g, h, 40, 0xa2bfe8a14cf10364ull) \
    STEP(h, a, b, c, d, e, f, g, 41, 0xa81a664bbc423001ull) \
    STEP(g, h, a, b, c, d, e, f, 42, 0xc24b8b70d0f89791ull) \
    STEP(f, g, h, a, b, c, d, e, 43, 0xc76c51a30654be30ull) \
    STEP(e, f, g, h, a, b, c, d, 44, 0xd192e819d6ef5218ull) \
    STEP(d, e, f, g, h, a, b, c, 45, 0xd69906245565a910ull) \
    STEP(c, d, e, f, g, h, a, b, 46, 0xf40e35855771202aull) \
    STEP(b, c, d, e, f, g, h, a, 47, 0x106aa07032bbd1b8ull) \
    STEP(a, b, c, d, e, f, g, h, 48, 0x19a4c116b8d2d0c8ull) \
    STEP(h, a, b, c, d, e, f, g, 49, 0x1e376c085141ab53ull) \
    STEP(g, h, a, b, c, d, e, f, 50, 0x2748774cdf8eeb99ull) \
    STEP(f, g, h, a, b, c, d, e, 51, 0x34b0bcb5e19b48a8ull) \
    STEP(e, f, g, h, a, b, c, d, 52, 0x391c0cb3c5c95a63ull) \
    STEP(d, e, f, g, h, a, b, c, 53, 0x4ed8aa4ae3418acbull) \
    STEP(c, d, e, f, g, h, a, b, 54, 0x5b9cca4f7763e373ull) \
    STEP(b, c, d, e, f, g, h, a, 55, 0x682e6ff3d6b2b8a3ull) \
    STEP(a, b, c, d, e, f, g, h, 56, 0x748f82ee5defb2fcull) \
    STEP(h, a, b, c, d, e, f, g, 57, 0x78a5636f43172f60ull) \
    STEP(g, h, a, b, c, d, e, f, 58, 0x84c87814a1f0ab72ull) \
    STEP(f, g, h, a, b, c, d, e, 59, 0x8cc702081a6439ecull) \
    STEP(e, f, g, h, a, b, c, d, 60, 0x90befffa23631e28ull) \
    STEP(d, e, f, g, h, a, b, c, 61, 0xa4506cebde82bde9ull) \
    STEP(c, d, e, f, g, h, a, b, 62, 0xbef9a3f7b2c67915ull) \
    STEP(b, c, d, e, f, g, h, a, 63, 0xc67178f2e372532bull) \
    STEP(a, b, c, d, e, f, g, h, 64, 0xca273eceea26619cull) \
    STEP(h, a, b, c, d, e, f, g, 65, 0xd186b8c721c0c207ull) \
    STEP(g, h, a, b, c, d, e, f, 66, 0xeada7dd6cde0eb1eull) \
    STEP(f, g, h, a, b, c, d, e, 67, 0xf57d4f7fee6ed178ull) \
    STEP(e, f, g, h, a, b, c, d, 68, 0x06f067aa72176fbaull) \
    STEP(d, e, f, g, h, a, b, c, 69, 0x0a637dc5a2c898a6ull) \
    STEP(c, d, e, f, g, h, a, b, 70, 0x113f9804bef90daeull) \
    STEP(b, c, d, e, f, g, h, a, 71, 0x1b710b35131c471bull) \
    STEP(a, b, c, d, e, f, g, h, 72, 0x28db77f523047d84ull) \
    STEP(h, a, b, c, d, e, f, g, 73, 0x32caab7b40c72493ull) \
    STEP(g, h, a, b, c, d, e, f, 74, 0x3c9ebe0a15c9bebcull) \
    STEP(f, g, h, a, b, c, d, e, 75, 0x431d67c49c100d4cull) \
    STEP(e, f, g, h, a, b, c, d, 76, 0x4cc5d4becb3e42b6ull) \
    STEP(d, e, f, g, h, a, b, c, 77, 0x597f299cfc657e2aull) \
    STEP(c, d, e, f, g, h, a, b, 78, 0x5fcb6fab3ad6faecull) \
    STEP(b, c, d, e, f, g, h, a, 79, 0x6c44198c4a475817ull)

#endif
