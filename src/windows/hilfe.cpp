#include "hilfe.h"

#include "platform/formsettings.h"

TF_Hilfe *F_Hilfe = nullptr;

TF_Hilfe::TF_Hilfe(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setupUi(this);
    platform::applyFormSettings(this);
}
