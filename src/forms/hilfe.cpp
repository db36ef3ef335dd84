#include "hilfe.h"

#include "ui_hilfe.h"

#include "formkit/formsettings.h"

TF_Hilfe *F_Hilfe = nullptr;

TF_Hilfe::TF_Hilfe(QWidget *parent)
    : formkit::ModelessForm(parent), m_layout(std::make_unique<Ui::TF_HILFE>())
{
    m_layout->setupUi(this);
    Memo1 = m_layout->Memo1;
    formkit::applyFormSettings(this);
}

TF_Hilfe::~TF_Hilfe() = default;
