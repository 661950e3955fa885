/* resource.h: the plain Win32 sample's resource and command IDs, window class and captions.
 * Plain #defines shared by the program, its resource script and any program that drives it
 * from outside (find the window by class, post WM_COMMAND with these IDs). */
#ifndef PLAIN_WIN32_RESOURCE_H
#define PLAIN_WIN32_RESOURCE_H

/* Narrow literals so that the resource compiler reads them too; C code widens them with L"" X. */
#define PLAIN_SAMPLE_CLASS "QuarnelPlainSample"
#define PLAIN_SAMPLE_TITLE "Plain Win32 Sample"
#define PLAIN_DIALOG_CAPTION "Standard Controls"
#define PLAIN_MESSAGE_CAPTION "Sample Message"
#define PLAIN_OPEN_SKIN_TITLE "Open Skin File"
#define PLAIN_OPEN_ANY_TITLE "Open Any File"

/* Resources. */
#define IDR_MAINMENU 100
#define IDD_STANDARD_CONTROLS 101

/* Menu and tool bar commands. ID_SKIN_TOGGLE stops skinning when it runs and starts it when not. */
#define ID_FILE_OPEN_SKIN 40001
#define ID_FILE_EXIT 40002
#define ID_SKIN_LONGHORN_BLUE 40010
#define ID_SKIN_GRAPHITE_DARK 40011
#define ID_SKIN_TOGGLE 40012
#define ID_SHOW_MESSAGE_BOX 40020
#define ID_SHOW_OPEN_DIALOG 40021
#define ID_SHOW_DIALOG 40022

/* Child windows of the main window. */
#define IDC_MAIN_TOOLBAR 200
#define IDC_MAIN_STATUS 201
#define IDC_MAIN_LIST 202
#define IDC_MAIN_EDIT 203

/* Controls of the Standard Controls dialog (OK and Cancel are IDOK and IDCANCEL). */
#define IDC_GROUP_SIZE 1000
#define IDC_RADIO_SMALL 1001
#define IDC_RADIO_MEDIUM 1002
#define IDC_RADIO_LARGE 1003
#define IDC_CHECK_HINTS 1010
#define IDC_CHECK_REMEMBER 1011
#define IDC_CHECK_PARTIAL 1012
#define IDC_EDIT_NAME 1020
#define IDC_COMBO_COLOUR 1021
#define IDC_EDIT_COUNT 1022
#define IDC_UPDOWN_COUNT 1023
#define IDC_TRACKBAR 1024
#define IDC_PROGRESS 1025
#define IDC_SCROLLBAR 1026
#define IDC_LIST_ITEMS 1030
#define IDC_TAB 1031
#define IDC_TAB_TEXT 1032
#define IDC_BUTTON_ADD 1040
#define IDC_BUTTON_DISABLED 1041

#endif /* PLAIN_WIN32_RESOURCE_H */
