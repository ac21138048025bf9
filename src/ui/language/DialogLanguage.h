#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QTranslator;

// Qt's translation of its own dialogs for the interface language,
// installed program-wide. A dialog takes its texts when it is built, so a
// change shows in the next dialog opened; one translation is installed at
// a time.
class DialogLanguage final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DialogLanguage)

public:
    explicit DialogLanguage(QObject *parent = nullptr);
    ~DialogLanguage() override;

    // Installs the first of Qt's translations found along the fallbacks of
    // `locale`; none at all for English or when Qt has none.
    void apply(const QString &locale);

private:
    QString locale_ = QStringLiteral("en");
    std::unique_ptr<QTranslator> translator_;
};
