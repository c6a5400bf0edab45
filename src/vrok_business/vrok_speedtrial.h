#ifndef VROK_BUSINESS_SPEEDTRIAL_H
#define VROK_BUSINESS_SPEEDTRIAL_H

#include "vrok_business/vrok_digest.h"

namespace vrok { namespace business { namespace digest {

// The index in ImplementationsOf(algorithm) of the one that hashes a small buffer fastest here:
// each is timed several times in turn on the same 16 KiB, and its best time counts, so that an
// interruption or the first run's cold caches weigh on none. 0 where there is only one.
size_t FastestImplementationOf(Algorithm algorithm);

}}}

#endif
