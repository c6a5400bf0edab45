#include "menu_fixture.h"

#include <windows.h>

namespace menutest {

const wchar_t* const CLanguageFolder::EnglishPanelTitle = L"Digest to check";
const wchar_t* const CLanguageFolder::FrenchPanelTitle = L"Empreinte \u00e0 v\u00e9rifier";

CLanguageFolder::CLanguageFolder(int languagePosition)
{
    WriteProfile(L"md5_global.ini",
                 L"[CURRENT_LANGUAGE]\r\n_ini_file=en.ini\r\n_help_file=en.chm\r\nchecked_menu_index=0\r\n"
                 L"[MENU_LANGUAGE_LIST]\r\nmenu_type=1\r\nmenu_position=" + std::to_wstring(languagePosition) + L"\r\n"
                 L"menu_text_0=English\r\n_ini_file_0=en.ini\r\n_help_file_0=en.chm\r\n"
                 L"menu_text_1=Fran\u00e7ais\r\n_ini_file_1=lang\\fr.ini\r\n_help_file_1=fr.chm\r\n"
                 L"menu_text_2=Missing\r\n_ini_file_2=missing.ini\r\n_help_file_2=missing.chm\r\n"
                 L"menu_text_3=Nothing\r\n"
                 L"[MENU_FILE]\r\nmenu_position=0\r\nmenu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=-1\r\n"
                 L"menu_type_2=0\r\nmenu_id_2=202\r\n"
                 L"[MENU_EDIT]\r\nmenu_position=1\r\nmenu_type_0=0\r\nmenu_id_0=204\r\n"
                 L"[MENU_HELP]\r\nmenu_position=3\r\nmenu_type_0=0\r\nmenu_id_0=206\r\nmenu_type_1=-1\r\n"
                 L"menu_type_2=0\r\nmenu_id_2=205\r\n"
                 L"[CONTEXT_MENU]\r\nmenu_type_0=0\r\nmenu_id_0=201\r\nmenu_type_1=-1\r\nmenu_type_2=0\r\n"
                 L"menu_id_2=204\r\n");
    WriteProfile(L"en.ini",
                 std::wstring(L"[WINDOW_TEXT]\r\ntext=") + EnglishPanelTitle + L"\r\n[BUTTON_COMPARE]\r\ntext=Compare\r\n"
                 L"[MENU_FILE]\r\nmenu_title=File\r\nmenu_text_0=Open\r\nmenu_text_2=Close\r\n"
                 L"[MENU_EDIT]\r\nmenu_title=Edit\r\nmenu_text_0=Paste\r\n"
                 L"[MENU_LANGUAGE]\r\nmenu_title=Language\r\n"
                 L"[MENU_HELP]\r\nmenu_title=Help\r\nmenu_text_0=Contents\r\nmenu_text_2=About\r\n"
                 L"[CONTEXT_MENU]\r\nmenu_text_0=Open a file\r\nmenu_text_2=Paste a digest\r\n");
    CreateDirectoryW(PathOf(L"lang").c_str(), nullptr);
    // The French file title of the file popup is longer than a switch keeps (24 characters).
    WriteProfile(L"lang\\fr.ini",
                 std::wstring(L"[WINDOW_TEXT]\r\ntext=") + FrenchPanelTitle + L"\r\n[BUTTON_COMPARE]\r\ntext=Comparer\r\n"
                 L"[MENU_FILE]\r\nmenu_title=Fichier et autres choses utiles\r\nmenu_text_0=Ouvrir\r\n"
                 L"menu_text_2=Fermer\r\n"
                 L"[MENU_EDIT]\r\nmenu_title=\u00c9dition\r\nmenu_text_0=Coller\r\n"
                 L"[MENU_LANGUAGE]\r\nmenu_title=Langue\r\n"
                 L"[MENU_HELP]\r\nmenu_title=Aide\r\nmenu_text_0=Sommaire\r\nmenu_text_2=\u00c0 propos\r\n"
                 L"[CONTEXT_MENU]\r\nmenu_text_0=Ouvrir un fichier\r\nmenu_text_2=Coller une empreinte\r\n");
}

}
