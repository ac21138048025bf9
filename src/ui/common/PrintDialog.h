#pragma once

class QPrinter;
class QWidget;

// The print dialog a window asks before it prints. The windows hold this
// interface, so a test can answer for the reader; the logic layer never
// sees a printer.
class PrintDialog
{
public:
    virtual ~PrintDialog() = default;
    // Sets up `printer` as the reader chooses (where, how many copies,
    // which pages, a PDF file among them): true when they confirmed. The
    // dialog sits over `owner`'s window and is modal to it alone.
    virtual bool choosePrinter(QPrinter &printer, QWidget *owner) = 0;
};

// The toolkit's print dialog.
class QtPrintDialog final : public PrintDialog
{
public:
    bool choosePrinter(QPrinter &printer, QWidget *owner) override;
};
