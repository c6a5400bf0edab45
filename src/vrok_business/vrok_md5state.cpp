#include "vrok_business/vrok_md5state.h"

namespace vrok { namespace business { namespace md5 {

CMd5State::CMd5State() : a(0x67452301u), b(0xefcdab89u), c(0x98badcfeu), d(0x10325476u) {}

}}}
