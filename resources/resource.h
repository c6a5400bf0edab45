/* The program's resource and control identifiers, the one list shared by vestigon.rc and the
   code. Plain defines: the resource compiler reads this file too. */
#ifndef VESTIGON_RESOURCE_H
#define VESTIGON_RESOURCE_H

/* The main window's icon. */
#define IDI_VESTIGON 106

/* The strip's verdict shields and the About picture, drawn at 1x. */
#define IDB_VERDICT_EQUAL 101
#define IDB_VERDICT_UNKNOWN 102
#define IDB_VERDICT_WARNING 103
#define IDB_VERDICT_DIFFERENT 104
#define IDB_ABOUT 105
/* The green shield with the seal of a signature that holds. */
#define IDB_VERDICT_SIGNED 107

/* The same pictures drawn at 1.5x and 2x sit at these distances from their 1x number. */
#define IDB_DRAWN_150_OFFSET 1000
#define IDB_DRAWN_200_OFFSET 2000

/* Child windows of the main window. */
#define IDC_COMPARE_BUTTON 102
#define IDC_STATUS_BAR 123

#endif
