#include "platform/LinuxPlatform.h"

#include "core/common/ColourNumber.h"
#include "platform/X11Windows.h"

#include <QApplication>
#include <QColorDialog>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

#include <sys/utsname.h>


namespace platform {

void QtPrompts::message(const QString &text, const QString &title, Icon icon)
{
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

std::optional<qint32> QtPrompts::chooseColour()
{
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::black);
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog, false);
    dialog.setCurrentColor(Qt::black);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor c = dialog.selectedColor();
    return colourNumber({c.red(), c.green(), c.blue()});
}

namespace {

// A dialog over the window it was opened from, modal to that window alone.
template <class Dialog>
void ownBy(Dialog &dialog, QObject *owner)
{
    if (auto *window = qobject_cast<QWidget *>(owner)) {
        dialog.setParent(window->window(), dialog.windowFlags());
        dialog.setWindowModality(Qt::WindowModal);
    }
}

} // namespace

std::optional<QString> QtPrompts::saveFileName(const QString &title, const QString &suggestedName, QObject *owner)
{
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    // "*.*" would hide every file without a dot here, so "all files" means "*".
    QFileDialog dialog(nullptr, title, documents.filePath(suggestedName),
                       QStringLiteral("Текстовые файлы (*.txt);;Все файлы (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    ownBy(dialog, owner);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

LinuxPlatform::LinuxPlatform() = default;
LinuxPlatform::~LinuxPlatform() = default;

OsVersion LinuxPlatform::osVersion()
{
    utsname name{};
    if (uname(&name) != 0)
        return {};
    // "6.1.0-18-amd64" -> 6, 1
    const QStringList parts = QString::fromLatin1(name.release).split(QLatin1Char('.'));
    OsVersion v;
    v.major = parts.value(0).toInt();
    v.minor = parts.value(1).section(QLatin1Char('-'), 0, 0).toInt();
    return v;
}

bool onWayland()
{
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

bool windowsCompose()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    return x11::compositing();
}

// Even with an X server at hand (Xwayland), its windows are not the ones a
// Wayland copy of the book shows, so on Wayland there is nothing to find;
// the running-copy lock still keeps a second copy out.
QList<TopWindow> LinuxPlatform::topLevelWindows()
{
    if (onWayland())
        return {};
    return x11::topLevelWindows();
}

void LinuxPlatform::restoreAndRaise(std::uint32_t id)
{
    if (onWayland())
        return;
    x11::restoreAndRaise(id);
}

bool LinuxPlatform::makeFolder(const QString &path)
{
    return QDir().mkpath(path);
}

bool LinuxPlatform::copyWithoutOverwrite(const QString &from, const QString &to)
{
    return QFile::copy(from, to); // never overwrites an existing file
}

bool LinuxPlatform::removeFile(const QString &path)
{
    return QFile::remove(path);
}

QString LinuxPlatform::windowsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString LinuxPlatform::systemFolder()
{
    const QString folder = windowsFolder() + QStringLiteral("/kvillborn");
    QDir().mkpath(folder);
    return folder;
}

QString LinuxPlatform::fontsFolder()
{
    // A fresh Linux account may not have a font folder yet; make it first.
    const QString folder = windowsFolder() + QStringLiteral("/fonts");
    QDir().mkpath(folder);
    return folder;
}

QString LinuxPlatform::cacheFolder()
{
    // Not /tmp: a reboot there may take a document the word processor still
    // shows, and nothing clears what the program left there.
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/kvillborn");
    QDir().mkpath(folder);
    return folder;
}

void LinuxPlatform::openWithShell(const QString &pathOrUrl)
{
    const QUrl url = QUrl::fromUserInput(pathOrUrl, QDir::currentPath(), QUrl::AssumeLocalFile);
    QDesktopServices::openUrl(url);
}

QString LinuxPlatform::instanceLockPath()
{
    // One lock per installed copy: two program folders may run side by side.
    const QByteArray key =
        QCryptographicHash::hash(QCoreApplication::applicationFilePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/kvillborn-") + QLatin1String(key) + QStringLiteral(".lock");
}

bool LinuxPlatform::anotherInstanceRunning()
{
    if (ownsInstance_)
        return false;
    if (!instanceLock_) {
        instanceLock_ = std::make_unique<QLockFile>(instanceLockPath());
        // Only a lock whose process is gone is stale, however old it is.
        instanceLock_->setStaleLockTime(0);
    }
    ownsInstance_ = instanceLock_->tryLock(0);
    return !ownsInstance_;
}

} // namespace platform

namespace platform {

void LinuxPlatform::endProgram()
{
    // Nothing is saved on the way out: every file was written when it
    // changed. The end goes through the event loop, queued so that it also
    // holds when the loop has not started yet, and so every destructor runs
    // and no handler is cut off halfway.
    QApplication::closeAllWindows();
    QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

} // namespace platform
