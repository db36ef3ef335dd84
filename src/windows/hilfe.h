// The help window: questions and answers about the game, shown beside the
// main window. Closing it only hides it.
#pragma once

#include "ui_hilfe.h"

#include <QWidget>

class TF_Hilfe : public QWidget, public Ui::TF_HILFE {
    Q_OBJECT

public:
    explicit TF_Hilfe(QWidget *parent = nullptr);
};

extern TF_Hilfe *F_Hilfe;
