#pragma once

// A stand-in for the operating system: file services work on real (test)
// folders, everything else is recorded so a test can read what the
// program asked for, in order.
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QStringList>

struct Asked
{
    QString text;
    QString title;
    platform::Icon icon;
};

class FakePrompts : public platform::Prompts
{
public:
    QList<Asked> messages;
    // What the colour dialog answers next: a colour, or nullopt for Cancel.
    std::optional<qint32> colourAnswer;
    int colourDialogs = 0;
    std::optional<qint32> chooseColour() override
    {
        ++colourDialogs;
        return colourAnswer;
    }
    // What the save dialog answers next: a path, or nullopt for Cancel.
    std::optional<QString> saveAnswer;
    QStringList saveDialogs;     // the titles it was opened with
    QStringList saveSuggestions; // the names it suggested
    QList<QObject *> dialogOwners; // the window each save dialog sat over
    std::optional<QString> saveFileName(const QString &title, const QString &suggestedName,
                                        QObject *owner = nullptr) override
    {
        dialogOwners << owner;
        saveDialogs << title;
        saveSuggestions << suggestedName;
        return saveAnswer;
    }
    void message(const QString &text, const QString &title, platform::Icon icon) override
    {
        messages.append({text, title, icon});
    }
};

class FakePlatform : public platform::Platform
{
public:
    explicit FakePlatform(const QString &root = QString())
        : root_(root)
    {
    }

    platform::OsVersion version{6, 1};
    QList<platform::TopWindow> windows;
    bool otherCopy = false;
    QStringList log; // "copy a -> b ok", "remove x", "open x", "raise 7"
    FakePrompts fakePrompts;

    platform::OsVersion osVersion() override { return version; }
    QList<platform::TopWindow> topLevelWindows() override { return windows; }
    void restoreAndRaise(std::uint32_t id) override { log << QStringLiteral("raise %1").arg(id); }
    bool makeFolder(const QString &path) override
    {
        log << QStringLiteral("mkdir ") + rel(path);
        return QDir().mkpath(path);
    }
    bool copyWithoutOverwrite(const QString &from, const QString &to) override
    {
        const bool ok = QFile::copy(from, to);
        log << QStringLiteral("copy %1 -> %2 %3")
                   .arg(rel(from), rel(to), ok ? QStringLiteral("ok") : QStringLiteral("failed"));
        return ok;
    }
    bool removeFile(const QString &path) override
    {
        log << QStringLiteral("remove ") + rel(path);
        return QFile::remove(path);
    }
    QString windowsFolder() override { return folder(QStringLiteral("windows")); }
    QString systemFolder() override { return folder(QStringLiteral("windows/system")); }
    QString fontsFolder() override { return folder(QStringLiteral("windows/fonts")); }
    QString cacheFolder() override { return folder(QStringLiteral("cache")); }
    void openWithShell(const QString &pathOrUrl) override { log << QStringLiteral("open ") + rel(pathOrUrl); }
    bool anotherInstanceRunning() override { return otherCopy; }
    platform::Prompts &prompts() override { return fakePrompts; }
    int ended = 0;
    void endProgram() override
    {
        ++ended;
        log << QStringLiteral("end");
    }

    // Only the entries of the log that start with `prefix`.
    QStringList logOf(const QString &prefix) const
    {
        QStringList out;
        for (const QString &line : log)
            if (line.startsWith(prefix))
                out << line;
        return out;
    }

private:
    QString root_;
    QString folder(const QString &name)
    {
        const QString path = root_ + QLatin1Char('/') + name;
        QDir().mkpath(path);
        return path;
    }
    QString rel(QString path) const
    {
        if (!root_.isEmpty())
            path.replace(root_ + QLatin1Char('/'), QString());
        return path;
    }
};
