// The about box: name, version, how the game came about, and "OK".
#pragma once

#include "formkit/modalform.h"

#include <memory>

class QLabel;
class QPushButton;

namespace Ui {
class TF_INFO;
}

class TF_Info : public formkit::ModalForm {
    Q_OBJECT

public:
    explicit TF_Info(QWidget *parent = nullptr);
    ~TF_Info() override;

private:
    std::unique_ptr<Ui::TF_INFO> m_layout; // made from info.ui, owns nothing

public:
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    QPushButton *B_OK;

public slots:
    void B_OKClick(QObject *Sender);
};

extern TF_Info *F_Info;
