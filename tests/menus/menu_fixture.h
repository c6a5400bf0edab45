#ifndef VESTIGON_TESTS_MENU_FIXTURE_H
#define VESTIGON_TESTS_MENU_FIXTURE_H

#include "menu_test_support.h"

#include <string>

namespace menutest {

// A program folder laid out like the shipped one, with two languages that exist (English
// beside md5_global.ini, French in a subfolder), one whose file is missing and one without a
// file: md5_global.ini names English as current.
class CLanguageFolder : public CProgramFolder
{
public:
    // languagePosition: [MENU_LANGUAGE_LIST] menu_position, the language popup's place.
    explicit CLanguageFolder(int languagePosition = 2);

    static const wchar_t* const EnglishPanelTitle;
    static const wchar_t* const FrenchPanelTitle;
};

}

#endif
