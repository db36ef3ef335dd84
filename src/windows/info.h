// The about box: name, version, how the game came about, and "OK".
#pragma once

#include "platform/modalform.h"
#include "ui_info.h"

class TF_Info : public platform::ModalForm, public Ui::TF_INFO {
    Q_OBJECT

public:
    explicit TF_Info(QWidget *parent = nullptr);

public slots:
    void B_OKClick(QObject *Sender);
};

extern TF_Info *F_Info;
