#include "lists/list_detection.h"

#include "checksums/checksum_text.h"

namespace lists {

bool IsChecksumList(const std::wstring& path)
{
    checksums::ChecksumText text;
    return checksums::ReadChecksumFile(path, MaxDetectedListBytes, false, text, checksums::AlgorithmSet::All()) &&
           !text.lines.empty();
}

}
