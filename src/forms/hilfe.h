// The help window: questions and answers about the game, shown beside the
// main window. Closing it only hides it.
#pragma once

#include "formkit/modelessform.h"

#include <memory>

class QPlainTextEdit;

namespace Ui {
class TF_HILFE;
}

class TF_Hilfe : public formkit::ModelessForm {
    Q_OBJECT

public:
    explicit TF_Hilfe(QWidget *parent = nullptr);
    ~TF_Hilfe() override;

private:
    std::unique_ptr<Ui::TF_HILFE> m_layout; // made from hilfe.ui, owns nothing

public:
    QPlainTextEdit *Memo1;
};

extern TF_Hilfe *F_Hilfe;
