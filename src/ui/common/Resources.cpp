#include "ui/common/Resources.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>

namespace resources {

bool registerTypeface(const QString &programFolder)
{
    const QString path = QDir(programFolder).filePath(QLatin1String(TypefaceFile));
    if (QFontDatabase::addApplicationFont(path) >= 0)
        return true;
    return false;
}

// QPixmap picks the @2x file by itself on a HiDPI screen.
QPixmap bookPicture()
{
    return QPixmap(QStringLiteral(":/pictures/book.png"));
}

QPixmap splashPicture()
{
    return QPixmap(QStringLiteral(":/pictures/splash.png"));
}

QCursor handCursor()
{
    QPoint hotspot(0, 0);
    QFile spot(QStringLiteral(":/pictures/hand.hotspot"));
    if (spot.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> xy = spot.readAll().simplified().split(' ');
        if (xy.size() == 2)
            hotspot = QPoint(xy[0].toInt(), xy[1].toInt());
    }
    const QPixmap hand(QStringLiteral(":/pictures/hand.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, hotspot.x(), hotspot.y());
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/icon_%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace resources
