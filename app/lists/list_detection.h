#ifndef VESTIGON_LIST_DETECTION_H
#define VESTIGON_LIST_DETECTION_H

#include <string>

namespace lists {

// The largest file looked at: a list of 100,000 names fits, a disc image is not read.
const unsigned long long MaxDetectedListBytes = 16ull * 1024 * 1024;

// True when the file reads as a checksum list with at least one checksum line.
bool IsChecksumList(const std::wstring& path);

}

#endif
