#include "signatures/signature_result.h"

namespace signatures {

std::wstring GroupedFingerprint(const std::string& fingerprint)
{
    std::wstring grouped;
    for (size_t at = 0; at < fingerprint.size(); ++at) {
        if (at > 0 && at % 4 == 0)
            grouped += L' ';
        grouped += static_cast<wchar_t>(static_cast<unsigned char>(fingerprint[at]));
    }
    return grouped;
}

uint32_t MomentAfter(uint32_t start, uint32_t seconds)
{
    if (seconds == 0)
        return 0;
    const unsigned long long moment = static_cast<unsigned long long>(start) + seconds;
    return moment > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(moment);
}

std::string HexOf(const std::string& bytes)
{
    static const char Digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char byte : bytes) {
        hex += Digits[byte >> 4];
        hex += Digits[byte & 0x0F];
    }
    return hex;
}

SignatureResult StrongestResult(const std::vector<SignatureResult>& results)
{
    SignatureResult strongest;
    for (const SignatureResult& result : results)
        if (static_cast<int>(result.verdict) > static_cast<int>(strongest.verdict) ||
            (result.verdict == strongest.verdict && result.origin < strongest.origin))
            strongest = result;
    return strongest;
}

}
