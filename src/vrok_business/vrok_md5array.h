#ifndef VROK_BUSINESS_MD5ARRAY_H
#define VROK_BUSINESS_MD5ARRAY_H

namespace vrok { namespace business { namespace md5 {

class CMd5State;

// N elements of T held inline, all zero at construction.
template <typename T, unsigned N>
class CArray
{
public:
    CArray() : m_items{} {}

protected:
    ~CArray() = default;

    T m_items[N];
};

// The 16 bytes of an MD5 digest in the usual order: chaining word A least significant byte
// first, then B, C and D. All zero until a computation succeeds.
class CDigest : public CArray<unsigned char, 16>
{
public:
    void Assign(const CMd5State& state);
    const unsigned char* GetBytes() const { return m_items; }
};

}}}

#endif
