/* quarnelskin.h: the Quarnel skin engine for any Win32 program.
 *
 * Load a skin package, start skinning on the program's user-interface thread, and every window
 * that thread has and makes is drawn from the skin: frames and caption buttons, menu bars and
 * popup menus, dialogs, message boxes, common dialogs and the standard controls in them.
 * Every function is called on that one thread; paths are UTF-16. See docs/sdk.md. */
#ifndef QUARNELSKIN_H
#define QUARNELSKIN_H

#include <windows.h>

#ifdef QUARNEL_SKIN_BUILDING
#define QUARNEL_SKIN_API __declspec(dllexport)
#else
#define QUARNEL_SKIN_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define QUARNEL_SKIN_OK 0
#define QUARNEL_SKIN_E_FILE -1     /* the file cannot be read */
#define QUARNEL_SKIN_E_FORMAT -2   /* not a skin package, or one this engine cannot read */
#define QUARNEL_SKIN_E_THREAD -3   /* called from another thread than the one that started skinning */
#define QUARNEL_SKIN_E_STATE -4    /* no skin loaded yet, or not started */
#define QUARNEL_SKIN_E_ARGUMENT -5 /* a null pointer, an unknown name, a window of another thread */

/* Loads a skin package. While skinning runs, every open window takes the new skin; a load that
 * fails returns its code, sets the last-error text and leaves the skin in force as it was. */
QUARNEL_SKIN_API int __stdcall QuarnelSkinLoadFile(const wchar_t *path);
QUARNEL_SKIN_API int __stdcall QuarnelSkinLoadMemory(const void *data, unsigned long size);
/* One of the skins inside the DLL: L"Longhorn Blue" or L"Graphite Dark". */
QUARNEL_SKIN_API int __stdcall QuarnelSkinLoadBuiltIn(const wchar_t *name);
/* Follows the system's light or dark setting for programs: `light` or `dark` (each a built-in
 * skin's name or a skin file) is loaded as the system is set, and the other one whenever the
 * user changes the setting, until another load. Both are checked first: one that cannot be
 * used returns its code and changes nothing. */
QUARNEL_SKIN_API int __stdcall QuarnelSkinFollowSystem(const wchar_t *light, const wchar_t *dark);

/* Skins the calling thread's windows, those it has and those it makes from now on. That thread
 * becomes the one every other call must come from, until QuarnelSkinStop. Needs a loaded skin. */
QUARNEL_SKIN_API int __stdcall QuarnelSkinStart(void);
/* Gives every window its own look back and frees what skinning held. Start may follow again. */
QUARNEL_SKIN_API void __stdcall QuarnelSkinStop(void);

/* exclude != 0: the window and its children keep the system's look (a skinned one gets it
 * back at once); exclude == 0 skins it again. */
QUARNEL_SKIN_API int __stdcall QuarnelSkinExcludeWindow(HWND window, int exclude);

/* Text of the last failure on the calling thread ("" when none); valid until the next call. */
QUARNEL_SKIN_API const wchar_t *__stdcall QuarnelSkinLastError(void);
/* The engine's version as 0x00MMmmpp (major, minor, patch). */
QUARNEL_SKIN_API unsigned long __stdcall QuarnelSkinVersion(void);

#ifdef __cplusplus
}
#endif

#endif /* QUARNELSKIN_H */
