// Renders the program's windows to PNG files, in any shipped language, so
// their look can be reviewed without clicking through the program:
//   QT_QPA_PLATFORM=offscreen build/kv_screenshots OUTDIR [module.lng ...]
#include "core/common/Environment.h"
#include "app/Forms.h"
#include "ui/common/PrintDialog.h"
#include "ui/common/Resources.h"
#include "ui/bookmarks/frmBMarks.h"
#include "ui/language/frmLang.h"
#include "ui/output/Dialog.h"
#include "ui/output/PoemOutput.h"
#include "platform/LinuxPlatform.h"
#include "ui/reader/OpenBook.h"
#include "ui/search/frmFind.h"
#include "core/settings/Profile.h"
#include "core/settings/SettingsKeys.h"
#include "ui/settings/font1.h"
#include "ui/shell/AboutBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void save(QWidget *window, const QString &file)
{
    window->show();
    QCoreApplication::processEvents();
    window->grab().save(file);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        qCritical("usage: kv_screenshots OUTDIR [module.lng ...]");
        return 2;
    }
    const QString out = args[1];
    QDir().mkpath(out);
    QStringList modules = args.mid(2);
    if (modules.isEmpty())
        modules = {QStringLiteral("eng.lng"), QStringLiteral("rus.lng")};

    // A scratch program folder, so the real program.ini is never touched.
    QTemporaryDir program;
    QDir().mkpath(program.filePath(QStringLiteral("language")));
    // The modules lie beside the program until its first start moves them.
    const QString shipped = QCoreApplication::applicationDirPath();
    for (const QString &folder : QStringList{shipped, shipped + QStringLiteral("/language")})
        for (const QString &name : QDir(folder).entryList({QStringLiteral("*.lng")}))
            QFile::copy(folder + QLatin1Char('/') + name,
                        program.filePath(QStringLiteral("language/") + name));
    resources::registerTypeface(shipped);
    platform::LinuxPlatform os;
    const Environment env{os, program.path()};

    for (const QString &module : modules) {
        if (!profile::writeString(settings::SectionInterface, settings::KeyLanguage,
                                  program.filePath(QStringLiteral("language/") + module),
                                  env.settingsFile())) {
            qCritical("cannot write the scratch program.ini");
            return 1;
        }
        QtPrintDialog printing;
        Forms forms(env, printing);
        const QString tag = QFileInfo(module).baseName();
        OpenBook *reader = forms.openBook();
        reader->TurnToPage(53);
        save(reader, QStringLiteral("%1/reading-%2.png").arg(out, tag));
        save(forms.font1(), QStringLiteral("%1/font-%2.png").arg(out, tag));
        frmFind *find = forms.frmFind();
        find->txtFind->setText(QStringLiteral("море"));
        find->cmdFind_Click();
        save(find, QStringLiteral("%1/search-%2.png").arg(out, tag));
        // The spread of pages 105 and 106 holds the word once on each page.
        const auto found = find->lstFound->findItems(QStringLiteral(" 105 "), Qt::MatchStartsWith);
        if (!found.isEmpty()) {
            find->lstFound->setCurrentItem(found.first());
            find->lstFound_DblClick();
            save(reader, QStringLiteral("%1/found-word-%2.png").arg(out, tag));
        }
        // The toolkit's save dialog, grabbed while it waits for the reader.
        QTimer grabber;
        QObject::connect(&grabber, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                // Wide enough that the columns read whole.
                dialog->resize(760, 440);
                QCoreApplication::processEvents();
                dialog->grab().save(QStringLiteral("%1/save-dialog-%2.png").arg(out, tag));
                dialog->reject();
            }
        });
        grabber.start(100);
        (void)os.prompts().saveFileName(QStringLiteral("Сохранение в файл..."), QStringLiteral("Ночь.txt"));
        grabber.stop();
        frmBMarks *marks = forms.frmBMarks();
        for (int page : {1, 53, 99, 145})
            marks->lstBMarks->addItem(QStringLiteral(" %1").arg(page));
        marks->lstBMarks->setCurrentRow(1);
        save(marks, QStringLiteral("%1/bookmarks-%2.png").arg(out, tag));
        forms.frmLang()->lfff->setCurrentRow(0);
        save(forms.frmLang(), QStringLiteral("%1/language-%2.png").arg(out, tag));
        AboutBox about(env);
        describeTheBook(about, reader);
        about.fill();
        save(&about, QStringLiteral("%1/about-%2.png").arg(out, tag));
        Dialog *poem = forms.Dialog();
        poem->lstOgl->setCurrentRow(74);
        save(poem, QStringLiteral("%1/poem-window-%2.png").arg(out, tag));
        // The printed page as the print dialog's PDF file would hold it;
        // pdftoppm turns it into a picture.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("%1/poem-print-%2.pdf").arg(out, tag));
        if (!output::printPoem(printer, poem->text(), output::printFont(reader->readingStyle())))
            qWarning("the poem could not be printed");
    }
    return 0;
}
