/* plain_win32.c: a plain Win32 program that skins itself through quarnelskin.dll.
 * One user-interface thread: the main window (tool bar, list view, edit, status bar), a dialog
 * of the standard controls, a message box and the open file dialog, all made by the system. */
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
/* The program runs on XP and later; the build may set these itself. */
#ifndef WINVER
#define WINVER 0x0501
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0501
#endif
#ifndef _WIN32_IE
#define _WIN32_IE 0x0600
#endif

#include <windows.h>
/* The other system headers build on windows.h. */
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <wchar.h>

#include "quarnelskin.h"
#include "resource.h"

#define SKIN_BLUE L"Longhorn Blue"
#define SKIN_DARK L"Graphite Dark"
#define COUNT(a) (sizeof(a) / sizeof((a)[0]))

static struct {
  HINSTANCE instance;
  HWND main, toolbar, status, list, edit;
  HFONT font;             /* the system's message font, ours to delete */
  wchar_t skin[MAX_PATH]; /* name of the loaded skin as the status bar shows it */
  UINT skin_item;         /* its item on the Skin menu, 0 for a file */
  int running;            /* skinning started */
  wchar_t error[300];     /* "Error: ..." of the last failed call, empty after a success */
} app;

/* ---- Skin state ------------------------------------------------------------------------ */

static void note_result(int rc) {
  const wchar_t* text;
  if (rc == QUARNEL_SKIN_OK) {
    app.error[0] = 0;
    return;
  }
  text = QuarnelSkinLastError(); /* read at once: the next call replaces it */
  if (text && text[0])
    _snwprintf(app.error, COUNT(app.error), L"Error: %ls", text);
  else
    _snwprintf(app.error, COUNT(app.error), L"Error: code %d", rc);
  app.error[COUNT(app.error) - 1] = 0;
}

static int load_builtin(const wchar_t* name) {
  int rc = QuarnelSkinLoadBuiltIn(name);
  if (rc != QUARNEL_SKIN_OK) return rc;
  app.skin_item = 0;
  if (lstrcmpiW(name, SKIN_BLUE) == 0) {
    name = SKIN_BLUE;
    app.skin_item = ID_SKIN_LONGHORN_BLUE;
  } else if (lstrcmpiW(name, SKIN_DARK) == 0) {
    name = SKIN_DARK;
    app.skin_item = ID_SKIN_GRAPHITE_DARK;
  }
  lstrcpynW(app.skin, name, COUNT(app.skin));
  return rc;
}

static int load_file(const wchar_t* path) {
  const wchar_t *name = path, *p;
  int rc = QuarnelSkinLoadFile(path);
  if (rc != QUARNEL_SKIN_OK) return rc;
  for (p = path; *p; ++p)
    if (*p == L'\\' || *p == L'/' || *p == L':') name = p + 1;
  lstrcpynW(app.skin, name, COUNT(app.skin));
  app.skin_item = 0;
  return rc;
}

static int start_skin(void) {
  int rc = QuarnelSkinStart();
  if (rc == QUARNEL_SKIN_OK) app.running = 1;
  return rc;
}

static int stop_skin(void) {
  QuarnelSkinStop();
  app.running = 0;
  return QUARNEL_SKIN_OK;
}

/* The status bar, the Skin menu's marks and the tool bar's skin button follow the state. */
static void show_state(void) {
  wchar_t text[MAX_PATH + 16];
  HMENU menu = GetMenu(app.main);
  if (app.error[0])
    lstrcpynW(text, app.error, COUNT(text));
  else if (!app.running)
    lstrcpynW(text, L"Skin: off", COUNT(text));
  else
    _snwprintf(text, COUNT(text), L"Skin: %ls", app.skin);
  text[COUNT(text) - 1] = 0;
  SendMessageW(app.status, SB_SETTEXTW, 0, (LPARAM)text);
  if (app.skin_item) {
    CheckMenuRadioItem(menu, ID_SKIN_LONGHORN_BLUE, ID_SKIN_GRAPHITE_DARK, app.skin_item, MF_BYCOMMAND);
  } else {
    CheckMenuItem(menu, ID_SKIN_LONGHORN_BLUE, MF_BYCOMMAND | MF_UNCHECKED);
    CheckMenuItem(menu, ID_SKIN_GRAPHITE_DARK, MF_BYCOMMAND | MF_UNCHECKED);
  }
  CheckMenuItem(menu, ID_SKIN_TOGGLE, MF_BYCOMMAND | (app.running ? MF_CHECKED : MF_UNCHECKED));
  SendMessageW(app.toolbar, TB_CHECKBUTTON, ID_SKIN_TOGGLE, MAKELPARAM(app.running, 0));
}

/* No argument: Longhorn Blue, started. --unskinned: loaded but not started. --skin FILE and
 * --builtin NAME choose the skin; when that fails Longhorn Blue stands in and the status bar
 * shows the first error. Runs before the main window exists. */
static void apply_command_line(void) {
  int argc = 0, i, start = 1, rc = QUARNEL_SKIN_OK;
  const wchar_t *file = NULL, *builtin = SKIN_BLUE;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  for (i = 1; argv && i < argc; ++i) {
    if (lstrcmpW(argv[i], L"--unskinned") == 0) {
      start = 0;
    } else if (lstrcmpW(argv[i], L"--skin") == 0 && i + 1 < argc) {
      file = argv[++i];
    } else if (lstrcmpW(argv[i], L"--builtin") == 0 && i + 1 < argc) {
      builtin = argv[++i];
    } else if (!app.error[0]) {
      _snwprintf(app.error, COUNT(app.error), L"Error: unknown argument %ls", argv[i]);
      app.error[COUNT(app.error) - 1] = 0;
    }
  }
  if (file) rc = load_file(file);
  if (rc != QUARNEL_SKIN_OK && !app.error[0]) note_result(rc);
  if (!file || rc != QUARNEL_SKIN_OK) {
    rc = load_builtin(builtin);
    if (rc != QUARNEL_SKIN_OK && !app.error[0]) note_result(rc);
    if (rc != QUARNEL_SKIN_OK && lstrcmpiW(builtin, SKIN_BLUE) != 0) load_builtin(SKIN_BLUE);
  }
  if (start) {
    rc = start_skin();
    if (rc != QUARNEL_SKIN_OK && !app.error[0]) note_result(rc);
  }
  LocalFree(argv);
}

/* ---- The Standard Controls dialog --------------------------------------------------------- */

static const wchar_t* const tab_pages[][2] = {
    {L"General", L"The usual settings are on the left; the list takes the name with Add to list."},
    {L"Advanced", L"Drag the level to fill the progress bar."},
    {L"About", L"A dialog from a resource template: every control in it belongs to the system."},
};

static void init_dialog(HWND dlg) {
  static const wchar_t* const colours[] = {L"Red", L"Green", L"Blue", L"Graphite"};
  static const wchar_t* const items[] = {L"Alpha", L"Bravo",   L"Charlie", L"Delta",
                                         L"Echo",  L"Foxtrot", L"Golf"};
  SCROLLINFO si;
  TCITEMW tab;
  size_t i;
  CheckRadioButton(dlg, IDC_RADIO_SMALL, IDC_RADIO_LARGE, IDC_RADIO_MEDIUM);
  CheckDlgButton(dlg, IDC_CHECK_HINTS, BST_CHECKED);
  CheckDlgButton(dlg, IDC_CHECK_PARTIAL, BST_INDETERMINATE);
  SetDlgItemTextW(dlg, IDC_EDIT_NAME, L"Hotel");
  for (i = 0; i < COUNT(colours); ++i)
    SendDlgItemMessageW(dlg, IDC_COMBO_COLOUR, CB_ADDSTRING, 0, (LPARAM)colours[i]);
  SendDlgItemMessageW(dlg, IDC_COMBO_COLOUR, CB_SETCURSEL, 2, 0);
  for (i = 0; i < COUNT(items); ++i)
    SendDlgItemMessageW(dlg, IDC_LIST_ITEMS, LB_ADDSTRING, 0, (LPARAM)items[i]);
  SendDlgItemMessageW(dlg, IDC_LIST_ITEMS, LB_SETCURSEL, 0, 0);
  SendDlgItemMessageW(dlg, IDC_UPDOWN_COUNT, UDM_SETRANGE, 0, MAKELPARAM(99, 0));
  SendDlgItemMessageW(dlg, IDC_UPDOWN_COUNT, UDM_SETPOS, 0, MAKELPARAM(3, 0));
  SendDlgItemMessageW(dlg, IDC_TRACKBAR, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
  SendDlgItemMessageW(dlg, IDC_TRACKBAR, TBM_SETTICFREQ, 10, 0);
  SendDlgItemMessageW(dlg, IDC_TRACKBAR, TBM_SETPOS, TRUE, 40);
  SendDlgItemMessageW(dlg, IDC_PROGRESS, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  SendDlgItemMessageW(dlg, IDC_PROGRESS, PBM_SETPOS, 40, 0);
  ZeroMemory(&si, sizeof si);
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMax = 100;
  si.nPage = 10;
  si.nPos = 30;
  SetScrollInfo(GetDlgItem(dlg, IDC_SCROLLBAR), SB_CTL, &si, TRUE);
  ZeroMemory(&tab, sizeof tab);
  tab.mask = TCIF_TEXT;
  for (i = 0; i < COUNT(tab_pages); ++i) {
    tab.pszText = (LPWSTR)tab_pages[i][0];
    SendDlgItemMessageW(dlg, IDC_TAB, TCM_INSERTITEMW, i, (LPARAM)&tab);
  }
  SetDlgItemTextW(dlg, IDC_TAB_TEXT, tab_pages[0][1]);
}

/* A scroll bar control moves only when its owner moves it. */
static void scroll_bar_moved(HWND bar, int code) {
  SCROLLINFO si;
  ZeroMemory(&si, sizeof si);
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(bar, SB_CTL, &si);
  switch (code) {
    case SB_LINELEFT: si.nPos -= 1; break;
    case SB_LINERIGHT: si.nPos += 1; break;
    case SB_PAGELEFT: si.nPos -= (int)si.nPage; break;
    case SB_PAGERIGHT: si.nPos += (int)si.nPage; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: si.nPos = si.nTrackPos; break;
    case SB_LEFT: si.nPos = si.nMin; break;
    case SB_RIGHT: si.nPos = si.nMax; break;
    default: return;
  }
  si.fMask = SIF_POS; /* the system keeps it in range */
  SetScrollInfo(bar, SB_CTL, &si, TRUE);
}

static void add_name_to_list(HWND dlg) {
  wchar_t name[128];
  LRESULT index;
  if (GetDlgItemTextW(dlg, IDC_EDIT_NAME, name, COUNT(name)) == 0) return;
  index = SendDlgItemMessageW(dlg, IDC_LIST_ITEMS, LB_ADDSTRING, 0, (LPARAM)name);
  if (index >= 0) SendDlgItemMessageW(dlg, IDC_LIST_ITEMS, LB_SETCURSEL, (WPARAM)index, 0);
}

static INT_PTR CALLBACK dialog_proc(HWND dlg, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: init_dialog(dlg); return TRUE;
    case WM_HSCROLL:
      if ((HWND)lparam == GetDlgItem(dlg, IDC_SCROLLBAR)) {
        scroll_bar_moved((HWND)lparam, LOWORD(wparam));
      } else if ((HWND)lparam == GetDlgItem(dlg, IDC_TRACKBAR)) {
        LRESULT level = SendMessageW((HWND)lparam, TBM_GETPOS, 0, 0);
        SendDlgItemMessageW(dlg, IDC_PROGRESS, PBM_SETPOS, (WPARAM)level, 0);
      }
      return TRUE;
    case WM_NOTIFY:
      if (((NMHDR*)lparam)->idFrom == IDC_TAB && ((NMHDR*)lparam)->code == TCN_SELCHANGE) {
        LRESULT page = SendDlgItemMessageW(dlg, IDC_TAB, TCM_GETCURSEL, 0, 0);
        if (page >= 0 && (size_t)page < COUNT(tab_pages))
          SetDlgItemTextW(dlg, IDC_TAB_TEXT, tab_pages[page][1]);
      }
      return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDOK:
        case IDCANCEL: EndDialog(dlg, LOWORD(wparam)); return TRUE;
        case IDC_BUTTON_ADD: add_name_to_list(dlg); return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

/* ---- Main window -------------------------------------------------------------------------- */

/* What the program did, appended to the edit so that the user (or a test) can read it back. */
static void log_line(const wchar_t* line) {
  int end = GetWindowTextLengthW(app.edit);
  SendMessageW(app.edit, EM_SETSEL, end, end);
  SendMessageW(app.edit, EM_REPLACESEL, FALSE, (LPARAM)line);
  SendMessageW(app.edit, EM_REPLACESEL, FALSE, (LPARAM)L"\r\n");
}

static int ask_for_file(const wchar_t* filter, const wchar_t* title, wchar_t* path, DWORD size) {
  OPENFILENAMEW ofn;
  ZeroMemory(&ofn, sizeof ofn);
  path[0] = 0;
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = app.main;
  ofn.lpstrFilter = filter;
  ofn.lpstrFile = path;
  ofn.nMaxFile = size;
  ofn.lpstrTitle = title;
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  return GetOpenFileNameW(&ofn);
}

static void show_message_box(void) {
  int answer = MessageBoxW(app.main, L"This is a message box of the system, shown by MessageBoxW.",
                           L"" PLAIN_MESSAGE_CAPTION, MB_YESNOCANCEL | MB_ICONINFORMATION);
  log_line(answer == IDYES  ? L"Message box: Yes"
           : answer == IDNO ? L"Message box: No"
                            : L"Message box: Cancel");
}

static void show_open_dialog(void) {
  wchar_t path[MAX_PATH], line[MAX_PATH + 32];
  if (ask_for_file(L"All files (*.*)\0*.*\0", L"" PLAIN_OPEN_ANY_TITLE, path, COUNT(path))) {
    _snwprintf(line, COUNT(line), L"Open file dialog: %ls", path);
    line[COUNT(line) - 1] = 0;
    log_line(line);
  } else {
    log_line(L"Open file dialog: cancelled");
  }
}

static void show_dialog(void) {
  INT_PTR result = DialogBoxW(app.instance, MAKEINTRESOURCEW(IDD_STANDARD_CONTROLS), app.main, dialog_proc);
  log_line(result == IDOK ? L"Dialog: OK" : result == IDCANCEL ? L"Dialog: Cancel" : L"Dialog: cannot open");
}

static void on_command(HWND hwnd, UINT id) {
  wchar_t path[MAX_PATH];
  switch (id) {
    case ID_FILE_OPEN_SKIN:
      if (!ask_for_file(L"Skin packages (*.skn)\0*.skn\0", L"" PLAIN_OPEN_SKIN_TITLE, path, COUNT(path)))
        return;
      note_result(load_file(path));
      break;
    case ID_FILE_EXIT: DestroyWindow(hwnd); return;
    case ID_SKIN_LONGHORN_BLUE: note_result(load_builtin(SKIN_BLUE)); break;
    case ID_SKIN_GRAPHITE_DARK: note_result(load_builtin(SKIN_DARK)); break;
    case ID_SKIN_TOGGLE: note_result(app.running ? stop_skin() : start_skin()); break;
    case ID_SHOW_MESSAGE_BOX: show_message_box(); return;
    case ID_SHOW_OPEN_DIALOG: show_open_dialog(); return;
    case ID_SHOW_DIALOG: show_dialog(); return;
    default: return;
  }
  show_state();
}

static const wchar_t* tool_tip(UINT_PTR id) {
  switch (id) {
    case ID_FILE_OPEN_SKIN: return L"Open skin file";
    case ID_SKIN_TOGGLE: return L"Skin on";
    case ID_SHOW_MESSAGE_BOX: return L"Message box";
    case ID_SHOW_OPEN_DIALOG: return L"Open file dialog";
    case ID_SHOW_DIALOG: return L"Dialog";
  }
  return L"";
}

static HWND create_toolbar(HWND parent) {
  static const struct {
    int image;
    int command;
    BYTE style;
  } items[] = {
      {STD_FILEOPEN, ID_FILE_OPEN_SKIN, BTNS_BUTTON}, {0, 0, BTNS_SEP},
      {STD_PROPERTIES, ID_SKIN_TOGGLE, BTNS_CHECK},   {0, 0, BTNS_SEP},
      {STD_HELP, ID_SHOW_MESSAGE_BOX, BTNS_BUTTON},   {STD_FIND, ID_SHOW_OPEN_DIALOG, BTNS_BUTTON},
      {STD_PRINTPRE, ID_SHOW_DIALOG, BTNS_BUTTON},
  };
  TBADDBITMAP bitmap;
  TBBUTTON buttons[COUNT(items)];
  size_t i;
  HWND toolbar =
      CreateWindowExW(0, TOOLBARCLASSNAMEW, NULL, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0,
                      0, 0, 0, parent, (HMENU)(INT_PTR)IDC_MAIN_TOOLBAR, app.instance, NULL);
  if (!toolbar) return NULL;
  SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  bitmap.hInst = HINST_COMMCTRL; /* the system's bitmap: the tool bar owns the image list it makes */
  bitmap.nID = IDB_STD_SMALL_COLOR;
  SendMessageW(toolbar, TB_ADDBITMAP, 0, (LPARAM)&bitmap);
  ZeroMemory(buttons, sizeof buttons);
  for (i = 0; i < COUNT(items); ++i) {
    buttons[i].iBitmap = items[i].image;
    buttons[i].idCommand = items[i].command;
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].fsStyle = items[i].style;
  }
  SendMessageW(toolbar, TB_ADDBUTTONSW, COUNT(buttons), (LPARAM)buttons);
  SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
  return toolbar;
}

static HWND create_list(HWND parent) {
  static const wchar_t* const columns[] = {L"Name", L"Type", L"Size"};
  static const int widths[] = {180, 160, 90};
  static const wchar_t* const rows[][3] = {
      {L"readme.txt", L"Text document", L"2 KB"},      {L"holiday.bmp", L"Bitmap image", L"768 KB"},
      {L"setup.exe", L"Application", L"1,204 KB"},     {L"graphite.skn", L"Skin package", L"96 KB"},
      {L"notes.rtf", L"Rich text document", L"14 KB"},
  };
  LVCOLUMNW column;
  LVITEMW item;
  int i, j;
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, NULL,
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 0, 0,
                              parent, (HMENU)(INT_PTR)IDC_MAIN_LIST, app.instance, NULL);
  if (!list) return NULL;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  ZeroMemory(&column, sizeof column);
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  for (i = 0; i < (int)COUNT(columns); ++i) {
    column.pszText = (LPWSTR)columns[i];
    column.cx = widths[i];
    column.iSubItem = i;
    SendMessageW(list, LVM_INSERTCOLUMNW, i, (LPARAM)&column);
  }
  ZeroMemory(&item, sizeof item);
  for (i = 0; i < (int)COUNT(rows); ++i) {
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.iSubItem = 0;
    item.pszText = (LPWSTR)rows[i][0];
    SendMessageW(list, LVM_INSERTITEMW, 0, (LPARAM)&item);
    for (j = 1; j < 3; ++j) {
      item.iSubItem = j;
      item.pszText = (LPWSTR)rows[i][j];
      SendMessageW(list, LVM_SETITEMTEXTW, i, (LPARAM)&item);
    }
  }
  return list;
}

static BOOL on_create(HWND hwnd) {
  NONCLIENTMETRICSW metrics;
  wchar_t version[64];
  int parts[2] = {480, -1};
  unsigned long v = QuarnelSkinVersion();
  app.main = hwnd;
  app.toolbar = create_toolbar(hwnd);
  app.status = CreateWindowExW(0, STATUSCLASSNAMEW, NULL, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                               hwnd, (HMENU)(INT_PTR)IDC_MAIN_STATUS, app.instance, NULL);
  app.list = create_list(hwnd);
  app.edit = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"EDIT",
      L"A multi-line edit. The skin draws it, the list above, the tool bar, the status "
      L"bar, the menus and every dialog this program opens.\r\n",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
      0, 0, hwnd, (HMENU)(INT_PTR)IDC_MAIN_EDIT, app.instance, NULL);
  if (!app.toolbar || !app.status || !app.list || !app.edit) return FALSE;
  /* Child windows start with the system font; give them the one dialogs use. */
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    app.font = CreateFontIndirectW(&metrics.lfMessageFont);
  if (app.font) {
    SendMessageW(app.status, WM_SETFONT, (WPARAM)app.font, FALSE);
    SendMessageW(app.list, WM_SETFONT, (WPARAM)app.font, FALSE);
    SendMessageW(app.edit, WM_SETFONT, (WPARAM)app.font, FALSE);
  }
  /* The parts exist before their texts; WM_SIZE only moves their edge. */
  SendMessageW(app.status, SB_SETPARTS, COUNT(parts), (LPARAM)parts);
  _snwprintf(version, COUNT(version), L"Quarnel %lu.%lu.%lu", (v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  version[COUNT(version) - 1] = 0;
  SendMessageW(app.status, SB_SETTEXTW, 1, (LPARAM)version);
  show_state();
  return TRUE;
}

/* Tool bar on top, status bar at the bottom, the list over the upper half of the rest, the
 * edit under it. */
static void on_size(UINT kind, int cx, int cy) {
  RECT r;
  int top, bottom, split, parts[2];
  if (kind == SIZE_MINIMIZED) return;
  SendMessageW(app.toolbar, TB_AUTOSIZE, 0, 0);
  SendMessageW(app.status, WM_SIZE, 0, 0);
  parts[0] = cx > 320 ? cx - 160 : cx / 2;
  parts[1] = -1;
  SendMessageW(app.status, SB_SETPARTS, 2, (LPARAM)parts);
  GetWindowRect(app.toolbar, &r);
  top = r.bottom - r.top;
  GetWindowRect(app.status, &r);
  bottom = cy - (r.bottom - r.top);
  if (bottom < top) bottom = top;
  split = top + (bottom - top) * 11 / 20;
  MoveWindow(app.list, 0, top, cx, split - top, TRUE);
  MoveWindow(app.edit, 0, split, cx, bottom - split, TRUE);
}

static LRESULT CALLBACK main_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: return on_create(hwnd) ? 0 : -1;
    case WM_SIZE: on_size((UINT)wparam, LOWORD(lparam), HIWORD(lparam)); return 0;
    case WM_SETFOCUS: SetFocus(app.list); return 0;
    case WM_COMMAND: on_command(hwnd, LOWORD(wparam)); return 0;
    case WM_NOTIFY:
      if (((NMHDR*)lparam)->code == TTN_GETDISPINFOW) {
        NMTTDISPINFOW* tip = (NMTTDISPINFOW*)lparam;
        tip->hinst = NULL;
        tip->lpszText = (LPWSTR)tool_tip(tip->hdr.idFrom);
        return 0;
      }
      break;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY: /* the children are gone: nothing uses the font any more */
      if (app.font) DeleteObject(app.font);
      app.font = NULL;
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  INITCOMMONCONTROLSEX classes;
  WNDCLASSEXW wc;
  MSG msg;
  (void)previous;
  (void)command_line; /* read as UTF-16 from GetCommandLineW */
  app.instance = instance;
  classes.dwSize = sizeof classes;
  classes.dwICC =
      ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS;
  InitCommonControlsEx(&classes);

  /* Skinning starts before the first window, so that every window is skinned from birth. */
  apply_command_line();

  ZeroMemory(&wc, sizeof wc);
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = main_proc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(NULL, (LPCWSTR)IDI_APPLICATION);
  wc.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  wc.lpszMenuName = MAKEINTRESOURCEW(IDR_MAINMENU);
  wc.lpszClassName = L"" PLAIN_SAMPLE_CLASS;
  msg.wParam = 1;
  if (RegisterClassExW(&wc) &&
      CreateWindowExW(0, wc.lpszClassName, L"" PLAIN_SAMPLE_TITLE, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                      CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, NULL, NULL, instance, NULL)) {
    ShowWindow(app.main, show);
    UpdateWindow(app.main);
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  /* Give the system back what skinning held before the program ends. */
  if (app.running) QuarnelSkinStop();
  return (int)msg.wParam;
}
