#pragma once

// The print dialog answered for the reader, recording each time it was
// opened and the window it sat over.
#include "ui/common/PrintDialog.h"

#include <QList>

#include <functional>

class QPrinter;
class QWidget;

class FakePrintDialog final : public PrintDialog
{
public:
    // How the dialog answers: it sets up the printer as the reader would
    // (a PDF file, say) and says yes, or says no for Cancel. Unset, it is
    // cancelled.
    std::function<bool(QPrinter &)> answer;
    QList<QWidget *> owners; // one per opening

    bool choosePrinter(QPrinter &printer, QWidget *owner) override
    {
        owners << owner;
        return answer && answer(printer);
    }
};
