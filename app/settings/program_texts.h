#ifndef VESTIGON_PROGRAM_TEXTS_H
#define VESTIGON_PROGRAM_TEXTS_H

#include "vrok_user/vrok_stdmainwindow.h"

// The program's fixed words and measures that the framework shows on its behalf: the main
// window's caption and place, and the captions of the boxes. Unlike the texts of the language
// files, they are the same in every language.
namespace programtexts {

const wchar_t MainWindowTitle[] = L"Vestigon pour md5 v1.0";
const vrok::user::mainwindow::CMainWindowLook MainWindowLook = {MainWindowTitle, 10, 10, 420, 300};

const wchar_t ErrorCaption[] = L"Erreur";
const wchar_t InfoCaption[] = L"Information";

// Gives the framework's boxes the program's captions; done once, before the first box.
void InstallBoxCaptions();

}

#endif
