#pragma once

// A program folder of the test's own, with the shipped language modules
// in its language folder, a fake operating system and a window registry
// of its own, so that windows load exactly as they do for a reader.
#include "core/common/Environment.h"
#include "app/Forms.h"
#include "ui/common/Resources.h"
#include "support/FakePlatform.h"
#include "support/FakePrintDialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

// A control of a window, found as a reader's tools find it: by its name.
template <class T = QWidget>
T *part(const QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("%s has no %s", qPrintable(window->objectName()), name);
    return found;
}

class TestProgram
{
public:
    QTemporaryDir dir;
    std::unique_ptr<FakePlatform> os;
    std::unique_ptr<Environment> env;
    FakePrintDialog printing;
    std::unique_ptr<Forms> forms;
    // The object names of the windows in the order they were created.
    QStringList loadOrder;

    explicit TestProgram(bool withModules = true)
    {
        resources::registerTypeface(qEnvironmentVariable("KV_BUILD_DIR"));
        // Started from its own folder, as from a launcher in the build tree.
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(dir.path());
        os = std::make_unique<FakePlatform>(dir.path());
        env = std::make_unique<Environment>(Environment{*os, dir.path()});
        QDir().mkpath(languageFolder());
        if (withModules)
            installShippedModules();
        restart();
    }
    ~TestProgram()
    {
        forms.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(previousDir_);
    }
    TestProgram(const TestProgram &) = delete;
    TestProgram &operator=(const TestProgram &) = delete;

    // Every window gone, as after the program ended; the next reference
    // starts afresh.
    void restart()
    {
        forms.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        loadOrder.clear();
        forms = std::make_unique<Forms>(*env, printing);
        QObject::connect(forms.get(), &Forms::windowCreated,
                         [this](QWidget *w) { loadOrder << w->objectName(); });
    }

    // True while a window of that name exists (closed windows go once the
    // event loop has deleted them).
    static bool loaded(const char *objectName)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(objectName))
                return true;
        return false;
    }

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
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path(name)));
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
