#include "ui/settings/font1.h"

#include "ui/common/Colours.h"
#include "ui/common/Placement.h"
#include "core/common/Twips.h"
#include "core/language/Captions.h"
#include "core/output/SaveText.h"
#include "core/settings/ReaderSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {

const QStringList Styles = {QStringLiteral("Regular"), QStringLiteral("Italic"), QStringLiteral("Bold"),
                            QStringLiteral("Bold Italic")};
const QStringList Sizes = {QStringLiteral("8"),  QStringLiteral("10"), QStringLiteral("12"),
                           QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18")};

struct Style
{
    bool known = false;
    bool bold = false;
    bool italic = false;
};
Style styleOf(const QString &name)
{
    if (name == QLatin1String("Regular"))
        return {true, false, false};
    if (name == QLatin1String("Italic"))
        return {true, false, true};
    if (name == QLatin1String("Bold"))
        return {true, true, false};
    if (name == QLatin1String("Bold Italic"))
        return {true, true, true};
    return {};
}

} // namespace

QStringList screenFonts()
{
    QStringList fonts = QFontDatabase::families();
    struct Alias
    {
        const char *name;
        const char *twin;
    };
    for (const Alias &alias :
         {Alias{"Times New Roman", "Liberation Serif"}, Alias{"Arial", "Liberation Sans"}}) {
        const QString name = QLatin1String(alias.name);
        if (fonts.contains(name))
            continue;
        if (QFontInfo(QFont(name)).family() == QLatin1String(alias.twin)) {
            const auto at =
                std::lower_bound(fonts.begin(), fonts.end(), name, [](const QString &a, const QString &b) {
                    return a.compare(b, Qt::CaseInsensitive) < 0;
                });
            fonts.insert(at, name);
        }
    }
    return fonts;
}

font1::font1(const Environment &env, QWidget *parent)
    : QDialog(parent)
    , env_(env)
{
    setObjectName(QStringLiteral("font1"));
    setWindowTitle(QStringLiteral("Шрифт и цвет"));
    setFixedSize(px(5985), px(2745));

    auto label = [this](const char *name, int left, int top) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->move(px(left), px(top));
        return l;
    };
    lblFont = label("lblFont", 120, 0);
    lblStyle = label("lblStyle", 3120, 0);
    lblSize = label("lblSize", 4800, 0);
    lblEffects = label("lblEffects", 120, 600);
    lblPreview = label("lblPreview", 120, 1440);

    const QRect lists[3] = {{px(240), px(240), px(2775), px(315)},
                            {px(3240), px(240), px(1455), px(315)},
                            {px(4920), px(240), px(975), px(315)}};
    for (int i = 0; i < 3; ++i) {
        cmbFont[i] = new QComboBox(this);
        cmbFont[i]->setObjectName(QStringLiteral("cmbFont_%1").arg(i));
        // A touch taller than the old lists so the text is not clipped,
        // but clear of the label below.
        cmbFont[i]->setGeometry(lists[i].adjusted(0, 0, 0, 3));
    }
    cmbFont[1]->addItems(Styles);
    cmbFont[2]->addItems(Sizes);
    for (int i = 0; i < 3; ++i) {
        cmbFont[i]->setCurrentIndex(-1);
        connect(cmbFont[i], &QComboBox::currentIndexChanged, this, [this, i](int row) {
            if (row >= 0)
                cmbFont_Click(i);
        });
    }

    auto check = [this](const char *name, const QString &caption, int top) {
        auto *c = new QCheckBox(caption, this);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(px(240), px(top), px(2400), px(255));
        return c;
    };
    chkStrikethru = check("chkStrikethru", QStringLiteral("Зачеркнутый"), 840);
    chkUnderline = check("chkUnderline", QStringLiteral("Подчеркнутый"), 1080);
    connect(chkStrikethru, &QCheckBox::toggled, this, &font1::chkStrikethru_Click);
    connect(chkUnderline, &QCheckBox::toggled, this, &font1::chkUnderline_Click);

    auto button = [this](const char *name, const QString &caption, const QRect &geometry) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(geometry);
        b->setAutoDefault(false);
        return b;
    };
    color = button("color", QStringLiteral("Цвет"), QRect(px(4800), px(840), px(1095), px(375)));
    cmdFontOriginal =
        button("cmdFontOriginal", QStringLiteral("Оригинал"), QRect(px(120), px(2280), px(1095), px(350)));
    Command1 = button("Command1", QStringLiteral("Выход"), QRect(px(2400), px(2280), px(1095), px(350)));
    cmdFontApply =
        button("cmdFontApply", QStringLiteral("Применить"), QRect(px(4800), px(2280), px(1095), px(350)));
    cmdFontApply->setEnabled(false);
    connect(color, &QPushButton::clicked, this, &font1::color_Click);
    connect(cmdFontOriginal, &QPushButton::clicked, this, &font1::cmdFontOriginal_Click);
    connect(Command1, &QPushButton::clicked, this, &font1::Command1_Click);
    connect(cmdFontApply, &QPushButton::clicked, this, &font1::cmdFontApply_Click);

    txtPreview = new QLineEdit(this);
    txtPreview->setObjectName(QStringLiteral("txtPreview"));
    txtPreview->setGeometry(px(120), px(1680), px(5775), px(495));
    txtPreview->setAlignment(Qt::AlignCenter);
    txtPreview->setFont(QFont(QStringLiteral("MS Sans Serif")));

    QWidget::setTabOrder(Command1, cmbFont[2]);
    QWidget::setTabOrder(cmbFont[2], cmbFont[1]);
    QWidget::setTabOrder(cmbFont[1], cmbFont[0]);
    QWidget::setTabOrder(cmbFont[0], txtPreview);
    QWidget::setTabOrder(txtPreview, chkUnderline);
    QWidget::setTabOrder(chkUnderline, chkStrikethru);
    QWidget::setTabOrder(chkStrikethru, cmdFontApply);
    QWidget::setTabOrder(cmdFontApply, cmdFontOriginal);
    QWidget::setTabOrder(cmdFontOriginal, color);

    centreOnScreen(this);
}

void font1::retranslate(const language::Captions &c)
{
    auto sized = [](QLabel *label, const QString &text) {
        label->setText(text);
        label->adjustSize();
    };
    cmdFontApply->setText(c.at(35));
    Command1->setText(c.at(36));
    cmdFontOriginal->setText(c.at(37));
    sized(lblPreview, c.at(38));
    chkUnderline->setText(c.at(39));
    chkStrikethru->setText(c.at(40));
    sized(lblEffects, c.at(41));
    sized(lblFont, c.at(42));
    sized(lblStyle, c.at(43));
    sized(lblSize, c.at(44));
    setWindowTitle(c.at(8));
    color->setText(c.at(51));
}

void font1::Form_Load(const ReadingStyle &current)
{
    {
        const QSignalBlocker quiet(cmbFont[0]);
        cmbFont[0]->clear();
    }
    typefacesListed_ = false;
    pagesTypeface_ = current.family.value_or(QString());
    if (isVisible())
        fillTypefaces();
    txtPreview->setText(SampleText);
    const bool bold = current.bold.value_or(false);
    const bool italic = current.italic.value_or(false);
    select(1, bold && italic ? QStringLiteral("Bold Italic")
              : bold         ? QStringLiteral("Bold")
              : italic       ? QStringLiteral("Italic")
                             : QStringLiteral("Regular"));
    // Whole points, halves to the even number, as the size list counts.
    const int whole = static_cast<int>(std::nearbyint(current.pointSize.value_or(0)));
    select(2, QString::number(whole));
    // Without a reading window there is no size to show; the preview keeps its own.
    if (whole > 0) {
        QFont sample = txtPreview->font();
        sample.setPointSize(whole);
        txtPreview->setFont(sample);
    }
    chkUnderline->setChecked(current.underline.value_or(false));
    chkStrikethru->setChecked(current.strikeOut.value_or(false));
    setSampleColour(current.colour.value_or(0));
    cmdFontApply->setEnabled(false);
}

void font1::showEvent(QShowEvent *event)
{
    fillTypefaces();
    QDialog::showEvent(event);
}

// The list and the sample end as the load would have left them: the pages'
// typeface chosen and worn by the sample, and Apply as it was.
void font1::fillTypefaces()
{
    if (typefacesListed_)
        return;
    typefacesListed_ = true;
    const QSignalBlocker quiet(cmbFont[0]);
    cmbFont[0]->addItems(screenFonts());
    cmbFont[0]->setCurrentIndex(cmbFont[0]->findText(pagesTypeface_));
    if (cmbFont[0]->currentIndex() >= 0) {
        QFont sample = txtPreview->font();
        sample.setFamily(pagesTypeface_);
        txtPreview->setFont(sample);
    }
}

void font1::select(int list, const QString &text)
{
    const int row = cmbFont[list]->findText(text);
    if (row >= 0)
        cmbFont[list]->setCurrentIndex(row);
}

void font1::cmbFont_Click(int index)
{
    QFont sample = txtPreview->font();
    const QString text = cmbFont[index]->currentText();
    switch (index) {
    case 0:
        txtPreview->setText(SampleText);
        sample.setFamily(text);
        break;
    case 1:
        if (const Style style = styleOf(text); style.known) {
            sample.setBold(style.bold);
            sample.setItalic(style.italic);
        }
        break;
    case 2:
        sample.setPointSizeF(text.toDouble());
        break;
    }
    txtPreview->setFont(sample);
    cmdFontApply->setEnabled(true);
}

void font1::chkUnderline_Click()
{
    QFont sample = txtPreview->font();
    sample.setUnderline(chkUnderline->isChecked());
    txtPreview->setFont(sample);
    cmdFontApply->setEnabled(true);
}

void font1::chkStrikethru_Click()
{
    QFont sample = txtPreview->font();
    sample.setStrikeOut(chkStrikethru->isChecked());
    txtPreview->setFont(sample);
    cmdFontApply->setEnabled(true);
}

void font1::color_Click()
{
    const auto chosen = env_.os.prompts().chooseColour();
    if (!chosen)
        return;
    setSampleColour(*chosen);
    cmdFontApply->setEnabled(true);
}

void font1::cmdFontOriginal_Click()
{
    fillTypefaces();
    select(0, QStringLiteral("Times New Roman"));
    select(1, QStringLiteral("Bold"));
    select(2, QStringLiteral("14"));
    chkStrikethru->setChecked(false);
    chkUnderline->setChecked(false);
    cmdFontApply->setEnabled(true);
}

void font1::cmdFontApply_Click()
{
    // With no typeface or size chosen (the pages wear one the lists do not
    // offer) the pages keep theirs rather than take an empty one.
    fillTypefaces();
    ReadingStyle style;
    if (cmbFont[0]->currentIndex() >= 0)
        style.family = cmbFont[0]->currentText();
    if (const Style chosen = styleOf(cmbFont[1]->currentText()); chosen.known) {
        style.bold = chosen.bold;
        style.italic = chosen.italic;
    }
    if (cmbFont[2]->currentIndex() >= 0)
        style.pointSize = cmbFont[2]->currentText().toFloat();
    style.colour = sampleColour();
    style.strikeOut = chkStrikethru->isChecked();
    style.underline = chkUnderline->isChecked();
    Q_EMIT applied(style);
    cmdFontApply->setEnabled(false);
    chkDef_Click();
}

void font1::chkDef_Click()
{
    fillTypefaces();
    settings::KeptLook look;
    look.colour = sampleColour();
    const auto chosen = [this](int list) {
        return cmbFont[list]->currentIndex() >= 0 ? std::optional(cmbFont[list]->currentText())
                                                  : std::nullopt;
    };
    look.family = chosen(0);
    look.size = chosen(2);
    look.style = chosen(1);
    // The pages already show the choice; if it cannot be kept for the
    // next start, the reader hears it once.
    const QString ini = env_.settingsFile();
    if (const Result kept = settings::keepLook(look, ini); !kept)
        output::tellNotSaved(env_.os.prompts(), QStringLiteral("настройки"), ini, kept.error);
}

void font1::Command1_Click()
{
    close();
}

qint32 font1::sampleColour() const
{
    return fromQColor(txtPreview->palette().color(QPalette::Text));
}

void font1::setSampleColour(qint32 colour)
{
    QPalette palette = txtPreview->palette();
    palette.setColor(QPalette::Text, toQColor(colour));
    txtPreview->setPalette(palette);
}
