#pragma once

#include "ui/shell/BalloonTip.h"

#include <QString>

class QWidget;

// The three windows that teach a newcomer (the cover, the language
// chooser, the search) each make a balloon tip at their load with these
// routines, all in the same look.

inline constexpr int ICC_BAR_CLASSES = 4;

// Dark blue (colour 1 of the standard 16-colour palette) with white text.
inline constexpr TipLook BookTipLook{0x800000, 0xFFFFFF, 400, 500, 2000, false};

// Whether tips can be made at all: they need a widget application. There
// is no class to register; the flags are kept for the callers' sake.
bool InitTipControls(int classFlags);

// A new tip window owned by `owner`; it goes when its owner goes. The
// caller keeps it to add the tip to, as the current tip window.
BalloonTip *CreateTipWindow(QWidget *owner, bool balloon);

// Attaches `text` to `control` through `tip`. Does nothing when the tip
// could not be made.
void AddTip(BalloonTip *tip, QWidget *control, const QString &text, const TipLook &look);

// Destroys every tip window that still exists, whoever owns it. Safe to
// call again and again; tips made afterwards work as before.
void DestroyTipWindows();
