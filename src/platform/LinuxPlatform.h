#pragma once

#include "platform/Platform.h"

#include <QLockFile>

#include <memory>

namespace platform {

class QtPrompts final : public Prompts
{
public:
    void message(const QString &text, const QString &title, Icon icon) override;
    std::optional<qint32> chooseColour() override;
    std::optional<QString> saveFileName(const QString &title, const QString &suggestedName,
                                        QObject *owner = nullptr) override;
};

// The services on Linux: uname for the version, X11 (xcb) for other
// programs' windows, Qt's file and desktop services, a lock file for the
// running-copy test.
class LinuxPlatform final : public Platform
{
public:
    LinuxPlatform();
    ~LinuxPlatform() override;

    OsVersion osVersion() override;
    QList<TopWindow> topLevelWindows() override;
    void restoreAndRaise(std::uint32_t id) override;
    bool makeFolder(const QString &path) override;
    bool copyWithoutOverwrite(const QString &from, const QString &to) override;
    bool removeFile(const QString &path) override;
    QString windowsFolder() override;
    QString systemFolder() override;
    QString fontsFolder() override;
    QString cacheFolder() override;
    void openWithShell(const QString &pathOrUrl) override;
    bool anotherInstanceRunning() override;
    Prompts &prompts() override { return prompts_; }
    void endProgram() override;

    // Where the running-copy lock of this program file lives.
    static QString instanceLockPath();

private:
    QtPrompts prompts_;
    std::unique_ptr<QLockFile> instanceLock_;
    bool ownsInstance_ = false;
};

} // namespace platform
