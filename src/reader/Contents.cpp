#include "reader/Contents.h"

#include "reader/BookTables.h"
#include "reader/OpenBook.h"

#include <QLabel>
#include <QListWidget>

void ShowContentsList(OpenBook &window)
{
    window.lstOgl->show();
    window.lstOgl->setFocus();
}

void GoToContentsEntry(OpenBook &window)
{
    const int chosen = window.lstOgl->currentRow() + 1; // 0 when nothing is chosen
    window.n1->setText(QString::number(chosen));
    // Entries are known by their position alone: several share a text.
    if (const auto spread = bookdata::contentsSpread(window.n1->text().toInt()))
        window.CurrentPage = static_cast<qint16>(*spread);
    window.ShowSpread(window.CurrentPage);
}
