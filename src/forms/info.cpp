#include "info.h"

#include "ui_info.h"

#include "formkit/errorreport.h"
#include "formkit/formsettings.h"

TF_Info *F_Info = nullptr;

TF_Info::TF_Info(QWidget *parent)
    : formkit::ModalForm(parent), m_layout(std::make_unique<Ui::TF_INFO>())
{
    Ui::TF_INFO &ui = *m_layout;
    ui.setupUi(this);
    Label1 = ui.Label1;
    Label2 = ui.Label2;
    Label3 = ui.Label3;
    Label4 = ui.Label4;
    Label5 = ui.Label5;
    Label6 = ui.Label6;
    Label7 = ui.Label7;
    B_OK = ui.B_OK;
    formkit::applyFormSettings(this);
    connect(B_OK, &QPushButton::clicked, this, [this] { B_OKClick(B_OK); });
}

TF_Info::~TF_Info() = default;

void TF_Info::B_OKClick(QObject *)
{
    // Shown modally, closing ends the modal display with the cancel result
    // and hides the window; it is not destroyed.
    formkit::guarded([&] { close(); });
}
