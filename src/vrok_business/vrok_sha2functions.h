#ifndef VROK_BUSINESS_SHA2FUNCTIONS_H
#define VROK_BUSINESS_SHA2FUNCTIONS_H

namespace vrok { namespace business { namespace digest {

// The functions SHA-1 and SHA-2 share, on 32- or 64-bit words.

// Choose: f where e is set, g elsewhere, in three operations.
template <typename Word>
inline Word Choose(Word e, Word f, Word g)
{
    return g ^ (e & (f ^ g));
}

// The majority of a, b and c as b ^ ((a ^ b) & (b ^ c)): b ^ c is the previous step's a ^ b,
// carried over in a variable of its own, so each SHA-2 step makes one exclusive or for it.
template <typename Word>
inline Word Majority(Word a, Word b, Word& bXorC)
{
    const Word aXorB = a ^ b;
    const Word majority = b ^ (aXorB & bXorC);
    bXorC = aXorB;
    return majority;
}

// The end of a SHA-2 compression: the eight working words added into the chaining words.
template <typename Word>
inline void AddWorkingWords(Word* state, Word a, Word b, Word c, Word d, Word e, Word f, Word g, Word h)
{
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
    state[4] += e;
    state[5] += f;
    state[6] += g;
    state[7] += h;
}

}}}

#endif
