#include "window/digest_menu.h"

#include "settings/command_ids.h"
#include "settings/options.h"

using checksums::Algorithm;

namespace digestmenu {

namespace {

const Algorithm InMenuOrder[] = {Algorithm::Md5,    Algorithm::Sha1,   Algorithm::Sha224, Algorithm::Sha256,
                                 Algorithm::Sha384, Algorithm::Sha512, Algorithm::Blake2b};

}

Algorithm AlgorithmOfCommand(unsigned short id)
{
    return InMenuOrder[id - commands::FirstDigest];
}

unsigned short CommandOf(Algorithm algorithm)
{
    for (unsigned short index = 0; index < sizeof(InMenuOrder) / sizeof(InMenuOrder[0]); ++index)
        if (InMenuOrder[index] == algorithm)
            return static_cast<unsigned short>(commands::FirstDigest + index);
    return commands::FirstDigest;
}

Algorithm ChosenAlgorithm(const wchar_t* programFolder)
{
    Algorithm algorithm = Algorithm::Md5;
    size_t digits = 0;
    if (!checksums::ParseAlgorithmWord(options::ChosenDigestName(programFolder), algorithm, digits))
        return Algorithm::Md5;
    return algorithm;
}

bool StoreChosenAlgorithm(Algorithm algorithm, const wchar_t* programFolder)
{
    return options::StoreChosenDigestName(checksums::ToolNameOf(algorithm), programFolder);
}

DigestMenu MakeDigestMenu(Algorithm chosen)
{
    DigestMenu menu;
    menu.firstId = commands::FirstDigest;
    for (Algorithm algorithm : InMenuOrder) {
        if (algorithm == chosen)
            menu.checked = menu.labels.size();
        menu.labels.push_back(checksums::ShownNameOf(algorithm));
    }
    return menu;
}

void CheckChosen(HMENU menu, Algorithm chosen)
{
    if (menu == nullptr)
        return;
    CheckMenuRadioItem(menu, commands::FirstDigest, commands::LastDigest, CommandOf(chosen), MF_BYCOMMAND);
}

}
