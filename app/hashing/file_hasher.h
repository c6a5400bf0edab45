#ifndef VESTIGON_FILE_HASHER_H
#define VESTIGON_FILE_HASHER_H

#include <string>

namespace hashing {

enum class Outcome { Digest, Stopped, OpenFailed, ReadFailed };

// Told of progress and asked whether to stop, from the hashing thread, between buffers.
class IHashObserver
{
public:
    virtual ~IHashObserver() = default;
    virtual bool ShouldStop() = 0;
    virtual void OnProgress(unsigned long long bytesDone, unsigned long long bytesTotal) = 0;
};

// Hashes the file on the calling thread while a second thread reads ahead, in 8.25 MiB of memory
// whatever the size of the file; on Outcome::Digest, digest holds 32 lowercase hex digits.
Outcome HashFile(const std::wstring& path, IHashObserver& observer, std::wstring& digest);

}

#endif
