#pragma once

#include "core/common/Environment.h"

#include <QDialog>
#include <QIcon>
#include <QPointer>

class QLabel;
class QPushButton;

namespace about {
// The people behind the book, as the about box names them.
inline constexpr auto TeamName = "Мастерская «Чистый лист»";
// The book has no site of its own; a reserved name can never lead the
// reader to a stranger's page.
inline constexpr auto WebPage = "https://kvillborn.example/";
} // namespace about

// "0.4.0.83" -> "0.4.83": major, minor and the last of the four numbers,
// each in plain decimal: the about box shows a three-part version,
// major.minor.build, so the third of the four numbers is left out.
QString versionNumber(const QString &fullVersion);

// The licence line's text with its <A HREF="...">...</A> links as label
// markup; everything else is shown as written, spaces included.
QString licenceMarkup(const QString &license);

// A general about box: every text is a property, filled in by whoever
// shows it. Modal to its owner; a link in the licence line opens in the
// browser and leaves the box open.
class AboutBox final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutBox)

public:
    explicit AboutBox(const Environment &env, QWidget *parent = nullptr);

    QIcon Icon;                  // none: the program's own icon
    QPointer<QWidget> hwndOwner; // the window the box is modal to
    QString Company;             // in front of Title on the first line
    QString Title;
    QString Version;
    QString Copyright;
    QString Description;
    QString License; // may hold <A HREF="...">...</A> links

    // Shows the box with the properties as they are now; returns when the
    // reader has closed it.
    void showModal();
    // Puts the properties into the controls; showModal does it first.
    void fill();

    QLabel *imgIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCopyright = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblLicense = nullptr;
    QPushButton *cmdOK = nullptr;

private:
    Environment env_;
};

// Fills the box's properties for this book, owned by `mainWindow`.
void describeTheBook(AboutBox &box, QWidget *mainWindow);
// The reading window's "About": the box for this book, shown modally.
void about_Click(const Environment &env, QWidget *mainWindow);
