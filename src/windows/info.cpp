#include "info.h"

#include "platform/errorreport.h"
#include "platform/formsettings.h"

TF_Info *F_Info = nullptr;

TF_Info::TF_Info(QWidget *parent) : platform::ModalForm(parent)
{
    setupUi(this);
    platform::applyFormSettings(this);
    connect(B_OK, &QPushButton::clicked, this, [this] { B_OKClick(B_OK); });
}

void TF_Info::B_OKClick(QObject *)
{
    // Shown modally, closing ends the modal display with the cancel result
    // and hides the window; it is not destroyed.
    platform::guarded([&] { close(); });
}
