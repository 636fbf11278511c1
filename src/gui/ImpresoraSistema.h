// The system's default printer. A machine without one fails every job, which
// the print dialog reports.
#pragma once

#include <QPrinter>

#include "ui/ImpresoraPaginas.h"

class ImpresoraSistema : public ImpresoraPaginas {
public:
    ImpresoraSistema();
    // A job left open is sent as it stands; a failure then has nobody to
    // be told to, the dialog that started it being gone.
    ~ImpresoraSistema() override { static_cast<void>(Terminar()); }

protected:
    void Abortar() override { impresora_->abort(); }

private:
    ImpresoraSistema(std::unique_ptr<QPrinter> impresora);
    std::unique_ptr<QPrinter> impresora_;
};
