#ifndef VESTIGON_DIGEST_MENU_H
#define VESTIGON_DIGEST_MENU_H

#include "checksums/algorithm_names.h"
#include "settings/menu_builder.h"

#include <windows.h>

// The Digest menu: which digest the window shows when neither a checksum file nor a reference
// says, kept in [OPTIONS] of md5_global.ini (MD5 when nothing is stored).
namespace digestmenu {

checksums::Algorithm AlgorithmOfCommand(unsigned short id);
unsigned short CommandOf(checksums::Algorithm algorithm);

checksums::Algorithm ChosenAlgorithm(const wchar_t* programFolder);
// False when md5_global.ini cannot be written: the choice then holds for the run only.
bool StoreChosenAlgorithm(checksums::Algorithm algorithm, const wchar_t* programFolder);

// The entries, one per algorithm in the order of their commands, the chosen one checked.
DigestMenu MakeDigestMenu(checksums::Algorithm chosen);
// Moves the check mark to the chosen algorithm's entry, wherever the menu holds the entries.
void CheckChosen(HMENU menu, checksums::Algorithm chosen);

}

#endif
