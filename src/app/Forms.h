#pragma once

#include <QStringList>

class OpenBook;
class book;
class font1;
class frmLang;
class frmFind;
class frmBMarks;

// The windows of the program, each created on first reference. Asking for
// a window that does not exist yet creates it hidden and runs its load, so
// "referring to a control creates the dialog" holds in C++ too. A window
// is registered before its load runs, so a load that refers back to its
// own window (through ApplyLanguage) finds it.
namespace Forms {

OpenBook *openBook();
bool openBookLoaded(); // asking does not create it

// The splash screen; nullptr when its load found another running copy.
book *splash();
bool splashLoaded();
// Closes the splash screen and drops it (deleted once control returns to
// the event loop, so a handler of its own may call this).
void unloadSplash();

::font1 *font1();
::frmFind *frmFind();
::frmBMarks *frmBMarks();
::frmLang *frmLang();
bool loaded(const char *objectName);
// The object names of the windows in the order their loads began, since
// the program started (or since unloadAll).
QStringList loadOrder();

// Destroys every window; the next reference starts fresh (tests use this).
void unloadAll();

} // namespace Forms
