#include "ui/common/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

bool QtPrintDialog::choosePrinter(QPrinter &printer, QWidget *owner)
{
    QPrintDialog dialog(&printer, owner ? owner->window() : nullptr);
    if (owner)
        dialog.setWindowModality(Qt::WindowModal);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}
