#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

class QObject;

// The only door to the operating system. Everything above this layer asks
// a Platform for what it needs, so tests can stand in for the system and a
// test never blocks on a modal box or opens a file manager.
namespace platform {

// True when a graphical session can be reached (X11 or Wayland), or when
// the caller chose a Qt platform plugin explicitly (offscreen, xcb, ...).
bool hasDisplay();

// True when the user running the program owns `path` itself (a link, not
// what it points to); false when it does not exist.
bool ownedByUser(const QString &path);

// True on Qt's Wayland plugin. There a program may neither list nor raise
// other programs' windows, nor place its own: the compositor decides.
bool onWayland();

// True when a window drawn partly see-through shows the desktop behind
// it: always on Wayland (and off screen), on X11 only while a compositing
// manager runs. A bare X server would show black instead.
bool windowsCompose();

struct OsVersion
{
    int major = 0;
    int minor = 0;
};

struct TopWindow
{
    std::uint32_t id = 0;
    QString title;
};

enum class Icon
{
    None,
    Information,
    Warning,
    Critical
};

// Message boxes and the standard dialogs.
class Prompts
{
public:
    virtual ~Prompts() = default;
    virtual void message(const QString &text, const QString &title, Icon icon) = 0;
    // The colour dialog, opened without a preset colour and with sixteen
    // black custom colours every time: the colour as red + 256 green +
    // 65536 blue, or nullopt when it was cancelled.
    virtual std::optional<qint32> chooseColour() = 0;
    // The save dialog for a text file; it asks before replacing a file.
    // A suggested name without a folder opens in the user's documents
    // folder. nullopt when it was cancelled. The dialog sits over `owner`,
    // the window it was opened from, and is modal to it.
    virtual std::optional<QString> saveFileName(const QString &title, const QString &suggestedName,
                                                QObject *owner = nullptr) = 0;
};

class Platform
{
public:
    virtual ~Platform() = default;

    virtual OsVersion osVersion() = 0;

    // Every top-level window of the desktop that has a title, in the order
    // the window manager keeps them.
    virtual QList<TopWindow> topLevelWindows() = 0;
    // Brings a window back from minimised and to the front.
    virtual void restoreAndRaise(std::uint32_t id) = 0;

    // File services whose results the start-up ignores where it should.
    virtual bool makeFolder(const QString &path) = 0;
    virtual bool copyWithoutOverwrite(const QString &from, const QString &to) = 0;
    virtual bool removeFile(const QString &path) = 0;

    // The folders the program's support files go to.
    virtual QString windowsFolder() = 0; // the user's data home
    virtual QString systemFolder() = 0;  // a support folder under it
    virtual QString fontsFolder() = 0;   // where the user's fonts live
    // Where documents handed to other programs are put: the reader's cache
    // folder, made if need be. They outlive this program, since the other
    // program may read them late; the next start clears out the stale ones.
    virtual QString cacheFolder() = 0;

    virtual void openWithShell(const QString &pathOrUrl) = 0;

    // True when another copy of this program is running. The first caller
    // in a process takes the claim and keeps it until the process ends; a
    // crashed copy leaves nothing that blocks the next start.
    virtual bool anotherInstanceRunning() = 0;

    virtual Prompts &prompts() = 0;

    // Ends the program: every window closes now, and the event loop ends
    // as soon as control is back in it.
    virtual void endProgram() = 0;
};

} // namespace platform
