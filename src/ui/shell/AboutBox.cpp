#include "ui/shell/AboutBox.h"

#include "core/common/Version.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QVBoxLayout>

QString versionNumber(const QString &fullVersion)
{
    return versionFields(fullVersion, {0, 1, 3});
}

QString licenceMarkup(const QString &license)
{
    static const QRegularExpression link(QStringLiteral(R"re(<A\s+HREF\s*=\s*"([^"]*)"\s*>(.*?)</A>)re"),
                                         QRegularExpression::CaseInsensitiveOption);
    // pre-wrap keeps the double spaces around the link that rich text
    // would otherwise fold into one, and still lets a long line wrap.
    QString html = QStringLiteral("<p style=\"white-space:pre-wrap\">");
    qsizetype done = 0;
    for (const QRegularExpressionMatch &m : link.globalMatch(license)) {
        html += license.mid(done, m.capturedStart() - done).toHtmlEscaped();
        html += QStringLiteral("<a href=\"") + m.captured(1).toHtmlEscaped() + QStringLiteral("\">") +
                m.captured(2).toHtmlEscaped() + QStringLiteral("</a>");
        done = m.capturedEnd();
    }
    html += license.mid(done).toHtmlEscaped() + QStringLiteral("</p>");
    return html;
}

AboutBox::AboutBox(const Environment &env, QWidget *parent)
    : QDialog(parent)
    , Title(QCoreApplication::applicationName())
    , Version(versionNumber(QStringLiteral(KV_VERSION)))
    , env_(env)
{
    setObjectName(QStringLiteral("AboutBox"));
    setModal(true);

    const auto label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignHCenter);
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        return l;
    };
    imgIcon = label("imgIcon");
    lblTitle = label("lblTitle");
    lblVersion = label("lblVersion");
    lblCopyright = label("lblCopyright");
    lblDescription = label("lblDescription");
    lblLicense = label("lblLicense");

    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    lblTitle->setFont(titleFont);
    lblVersion->setForegroundRole(QPalette::PlaceholderText);
    for (QLabel *l : {lblTitle, lblVersion, lblCopyright, lblDescription})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);

    lblLicense->setTextFormat(Qt::RichText);
    lblLicense->setTextInteractionFlags(Qt::TextBrowserInteraction);
    // The link goes through the platform, never straight to the desktop,
    // and the box stays open.
    lblLicense->setOpenExternalLinks(false);
    connect(lblLicense, &QLabel::linkActivated, this,
            [this](const QString &url) { env_.os.openWithShell(url); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(28, 24, 28, 16);
    layout->setSpacing(6);
    layout->addWidget(imgIcon);
    layout->addSpacing(8);
    layout->addWidget(lblTitle);
    layout->addWidget(lblVersion);
    layout->addSpacing(12);
    layout->addWidget(lblDescription);
    layout->addWidget(lblLicense);
    layout->addSpacing(12);
    layout->addWidget(lblCopyright);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    for (QLabel *l : {lblTitle, lblVersion, lblCopyright, lblDescription, lblLicense})
        l->setFixedWidth(440);
}

void AboutBox::fill()
{
    const QIcon icon = !Icon.isNull() ? Icon
                       : !QApplication::windowIcon().isNull()
                           ? QApplication::windowIcon()
                           : style()->standardIcon(QStyle::SP_MessageBoxInformation);
    imgIcon->setPixmap(icon.pixmap(96, 96));
    setWindowIcon(icon);
    setWindowTitle(QStringLiteral("О программе ") + Title.trimmed());
    lblTitle->setText(Company + u' ' + Title);
    lblVersion->setText(Version);
    lblCopyright->setText(Copyright);
    lblDescription->setText(Description);
    lblLicense->setText(licenceMarkup(License));
    lblLicense->setVisible(!License.isEmpty());
}

void AboutBox::showModal()
{
    if (hwndOwner)
        setParent(hwndOwner,
                  Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    fill();
    exec();
}

void describeTheBook(AboutBox &box, QWidget *mainWindow)
{
    box.Title = QStringLiteral(KV_PRODUCT_NAME) + u' ';
    box.Version = QStringLiteral("Версия: ") + versionNumber(QStringLiteral(KV_VERSION));
    box.Company = QStringLiteral(" ");
    box.Copyright = QString::fromUtf8(about::TeamName) + QStringLiteral(" - 1998-2004");
    box.Description = QStringLiteral("Интерактивный сборник стихов.");
    box.License = QStringLiteral("Посетите -  <A HREF=\"") + QString::fromUtf8(about::WebPage) +
                  QStringLiteral("\">сайт программы</A>  для получения большей информации!");
    box.hwndOwner = mainWindow;
    if (mainWindow)
        box.Icon = mainWindow->windowIcon();
}

void about_Click(const Environment &env, QWidget *mainWindow)
{
    // One box per showing; if the owner goes while it is open, it takes
    // the box with it.
    QPointer<AboutBox> box = new AboutBox(env);
    describeTheBook(*box, mainWindow);
    box->showModal();
    delete box.data();
}
