#ifndef VESTIGON_MENU_BUILDER_H
#define VESTIGON_MENU_BUILDER_H

#include "vrok_user/vrok_basewindow.h"
#include "vrok_user/vrok_menu.h"

#include <string>
#include <vector>

// The main window's menus, built at run time from the two profile files: the kinds and command
// ids of the entries from md5_global.ini, the titles and labels from the current language file,
// the language popup from md5_global.ini's language list.
//
// Every function that takes a program folder reads the profile files of that folder; null (the
// program's use) means the folder of the running executable.

// Creates the popup's handle and fills it with the entries of a section (popup kinds: -1
// separator, 0 or 5 text, 1 or 3 text with check-mark space, 2 or 4 checked text, others
// nothing). False when the popup menu cannot be made.
bool BuildPopup(const wchar_t* section, vrok::user::menu::CPopupMenu& popup, const wchar_t* globalIniPath,
                const wchar_t* languageFilePath);

// Creates the popup's handle and fills it with [MENU_LANGUAGE_LIST]: one entry per label, the
// entry's id its index, the stored language checked (check mark when menu_type is 2, radio
// bullet otherwise). False when the popup menu cannot be made.
bool BuildLanguagePopup(vrok::user::menu::CPopupMenu& popup, const wchar_t* globalIniPath);

// Where the menu bar holds the Digest popup, between the language and help popups.
const unsigned short DigestPopupPosition = 3;

// The Digest popup: one radio entry per label with ids from firstId on, one of them checked; its
// title comes from [MENU_DIGEST] of the language file.
struct DigestMenu
{
    std::vector<std::wstring> labels;
    unsigned short firstId = 0;
    size_t checked = 0;
};

// Creates the popup's handle and fills it with the digest entries. False when the popup menu
// cannot be made.
bool BuildDigestPopup(vrok::user::menu::CPopupMenu& popup, const DigestMenu& digests);

// Builds the menu bar of the window (file, edit, language, digest and help at positions 0 to
// 4), puts it on the window (SetMenu, DrawMenuBar) and returns it; the caller owns the object
// and deletes it when the window is destroyed. Null when the profile files cannot be located:
// the window's creation checks the same paths first and tells the user, so no second box is
// shown here.
vrok::user::menu::CMenu* BuildMenuBar(vrok::user::basewindow::CBaseWindow& window, const DigestMenu& digests,
                                      const wchar_t* programFolder = nullptr);

// The right-click popup from [CONTEXT_MENU] in the current language, at the cursor's present
// position, owned by the window (a chosen entry arrives as its WM_COMMAND). Runs the platform's
// modal menu loop; the popup is destroyed afterwards. Shows "Cannot open initialization file"
// when the profile files cannot be located.
void ShowContextMenu(vrok::user::basewindow::CBaseWindow& window, const wchar_t* programFolder = nullptr);

#endif
