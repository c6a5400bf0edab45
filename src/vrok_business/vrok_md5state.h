#ifndef VROK_BUSINESS_MD5STATE_H
#define VROK_BUSINESS_MD5STATE_H

namespace vrok { namespace business { namespace md5 {

// The chaining words A, B, C and D of an MD5 computation, at their initial values when made.
class CMd5State
{
public:
    CMd5State();

    unsigned int a;
    unsigned int b;
    unsigned int c;
    unsigned int d;
};

}}}

#endif
