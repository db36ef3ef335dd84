#include "closeaction.h"

#include <QCoreApplication>

namespace formkit {

namespace {
void (*g_quitHandler)() = nullptr;
}

void quitApplication()
{
    if (g_quitHandler)
        g_quitHandler();
    else
        QCoreApplication::quit();
}

void setQuitHandlerForTesting(void (*handler)()) { g_quitHandler = handler; }

} // namespace formkit
