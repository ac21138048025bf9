#include "app/Forms.h"

#include "app/Splash.h"
#include "bookmarks/frmBMarks.h"
#include "language/frmLang.h"
#include "reader/OpenBook.h"
#include "search/frmFind.h"
#include "settings/font1.h"

#include <QPointer>

namespace Forms {
namespace {

struct Registry
{
    QPointer<OpenBook> openBook;
    QPointer<book> splash;
    QPointer<::font1> font1;
    QPointer<::frmFind> frmFind;
    QPointer<::frmBMarks> frmBMarks;
    QPointer<::frmLang> frmLang;
    QStringList order;
};

Registry &registry()
{
    static Registry forms;
    return forms;
}

// Creates the window hidden, registers it, then runs its load.
template <class Window>
Window *create(QPointer<Window> &slot)
{
    if (!slot) {
        slot = new Window;
        slot->setAttribute(Qt::WA_DeleteOnClose);
        registry().order.append(slot->objectName());
        slot->Form_Load();
    }
    return slot;
}

} // namespace

OpenBook *openBook()
{
    return create(registry().openBook);
}

bool openBookLoaded()
{
    return !registry().openBook.isNull();
}

book *splash()
{
    auto &forms = registry();
    if (!forms.splash) {
        forms.splash = new book;
        if (!forms.splash->Form_Load()) {
            delete forms.splash.data();
            return nullptr;
        }
    }
    return forms.splash;
}

bool splashLoaded()
{
    return !registry().splash.isNull();
}

void unloadSplash()
{
    auto &forms = registry();
    if (!forms.splash)
        return;
    forms.splash->hide();
    forms.splash->deleteLater();
    forms.splash = nullptr;
}

::font1 *font1()
{
    return create(registry().font1);
}

::frmFind *frmFind()
{
    return create(registry().frmFind);
}

::frmBMarks *frmBMarks()
{
    return create(registry().frmBMarks);
}

::frmLang *frmLang()
{
    return create(registry().frmLang);
}

QStringList loadOrder()
{
    return registry().order;
}

bool loaded(const char *objectName)
{
    const auto &forms = registry();
    const QObject *all[] = {forms.openBook, forms.splash,    forms.font1,
                            forms.frmFind,  forms.frmBMarks, forms.frmLang};
    for (const QObject *w : all)
        if (w && w->objectName() == QLatin1String(objectName))
            return true;
    return false;
}

void unloadAll()
{
    auto &forms = registry();
    delete forms.frmLang.data();
    delete forms.frmBMarks.data();
    delete forms.frmFind.data();
    delete forms.font1.data();
    delete forms.splash.data();
    delete forms.openBook.data();
    forms.order.clear();
}

} // namespace Forms
