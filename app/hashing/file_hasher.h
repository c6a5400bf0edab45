#ifndef VESTIGON_FILE_HASHER_H
#define VESTIGON_FILE_HASHER_H

#include "vrok_business/vrok_digest.h"

#include <string>
#include <vector>

namespace hashing {

enum class Outcome { Digest, Stopped, OpenFailed, ReadFailed };

// Told of progress and asked whether to stop, from the hashing thread, between pieces.
class IHashObserver
{
public:
    virtual ~IHashObserver() = default;
    virtual bool ShouldStop() = 0;
    virtual void OnProgress(unsigned long long bytesDone, unsigned long long bytesTotal) = 0;
};

// One digest to compute in the read of a file: its algorithm, its length in bytes (0: the
// algorithm's own) and bytes hashed after the file's own (a signature's trailer).
struct DigestRequest
{
    vrok::business::digest::Algorithm algorithm;
    size_t digestBytes = 0;
    std::string trailer;
};

// Reads the file once, to its end (a file that grows meanwhile included), and computes every
// requested digest: on the reading thread when there is one; when there are several, the
// quickest on the reading thread and each other one on a thread of its own. A second thread
// reads a file of more than CReadAhead::Distance (64 MiB) ahead. Memory stays under 32 MiB
// whatever the file's size. On Outcome::Digest, `digests` holds one raw digest per request.
// A caller that reads several files at once keeps the disk busy already: the read-ahead would
// only copy each file a second time.
enum class ReadAhead { ForLargeFiles, None };
Outcome HashFile(const std::wstring& path, const std::vector<DigestRequest>& requests, IHashObserver& observer,
                 std::vector<std::string>& digests, ReadAhead readAhead = ReadAhead::ForLargeFiles);

// The bytes as lowercase hexadecimal digits, two per byte.
std::wstring HexOf(const std::string& bytes);

}

#endif
