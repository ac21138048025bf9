#include "ui/language/DialogLanguage.h"

#include "core/language/ModuleLocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

DialogLanguage::DialogLanguage(QObject *parent)
    : QObject(parent)
{
}

DialogLanguage::~DialogLanguage() = default;

void DialogLanguage::apply(const QString &locale)
{
    // Applying the language nests and repeats at start-up; loading the same
    // catalogue again would only send every widget a LanguageChange.
    if (locale == locale_)
        return;
    locale_ = locale;
    translator_.reset(); // the translator leaves the application as it goes
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &candidate : language::translationLocales(locale)) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral("qtbase_") + candidate, folder)) {
            QCoreApplication::installTranslator(translator.get());
            translator_ = std::move(translator);
            return;
        }
    }
}
