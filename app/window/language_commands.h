#ifndef VESTIGON_LANGUAGE_COMMANDS_H
#define VESTIGON_LANGUAGE_COMMANDS_H

#include "window/cool_control.h"
#include "vrok_user/vrok_basewindow.h"
#include "vrok_user/vrok_menu.h"

// The two commands of the main window that deal with the language: choosing a language from
// the language popup, and opening the current language's help file.
//
// A language switch writes [CURRENT_LANGUAGE] of md5_global.ini and puts the new language's
// texts in place in the existing menu bar and drop panel; nothing is rebuilt. The new language
// file is looked for before anything is written, so a missing file changes nothing.

// Makes language `index` current: stores it, moves the check mark, re-labels the five popups
// and sets the drop panel's title and the compare button's caption from the new file (dropPanel
// may be null: then only the menus change). Choosing the current language does nothing. A
// missing language file shows "The language file doesn't exist !"; a language popup position
// outside the menu bar is refused. In both cases the file, the mark and the texts stay as they
// were. When md5_global.ini cannot be written the switch still holds for this run, the file
// stays as it was, and a box says that the choice cannot be remembered. True when the new
// language's texts are in place.
bool SwitchLanguage(unsigned short index, vrok::user::basewindow::CBaseWindow& window,
                    vrok::user::menu::CMenu& menu, CCoolControl* dropPanel,
                    const wchar_t* programFolder = nullptr);

// Opens the current language's help file ([CURRENT_LANGUAGE] _help_file under the program
// folder) in the HTML Help viewer at its table of contents, owned by the window.
void ShowHelp(vrok::user::basewindow::CBaseWindow& window, const wchar_t* programFolder = nullptr);

#endif
