#pragma once

// A program folder of the test's own, with the shipped language modules
// in its language folder and a fake operating system installed, so that
// windows load exactly as they do for a reader.
#include "app/Forms.h"
#include "app/Paths.h"
#include "app/Resources.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

class TestProgram
{
public:
    QTemporaryDir dir;
    std::unique_ptr<FakePlatform> os;

    explicit TestProgram(bool withModules = true)
    {
        resources::registerTypeface(qEnvironmentVariable("KV_BUILD_DIR"));
        // kvibmark.dat lives in the current directory.
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(dir.path());
        os = std::make_unique<FakePlatform>(dir.path());
        platform::set(os.get());
        paths::setProgramFolder(dir.path());
        QDir().mkpath(languageFolder());
        if (withModules)
            installShippedModules();
    }
    ~TestProgram()
    {
        Forms::unloadAll();
        platform::set(nullptr);
        paths::setProgramFolder(QString());
        QDir::setCurrent(previousDir_);
    }
    TestProgram(const TestProgram &) = delete;
    TestProgram &operator=(const TestProgram &) = delete;

    QString path(const QString &name) const { return dir.filePath(name); }
    QString languageFolder() const { return dir.filePath(QStringLiteral("language")); }

    void installShippedModules()
    {
        const QDir shipped(qEnvironmentVariable("KV_SOURCE_DIR") + QStringLiteral("/content/language"));
        for (const QString &name : shipped.entryList({QStringLiteral("*.lng")}, QDir::Files))
            QFile::copy(shipped.filePath(name), languageFolder() + QLatin1Char('/') + name);
    }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile f(path(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
    QByteArray read(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QString previousDir_;
};
