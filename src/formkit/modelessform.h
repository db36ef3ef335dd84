// A window shown beside the main window, the way the game's help window
// behaves: closing it only hides it, and it keeps its native window, so that
// its place, its size, its window state and the size it returns to from
// maximized all survive for the next showing. (Qt 6 destroys a top-level
// window's native window on every accepted close.)
#pragma once

#include <QWidget>

namespace formkit {

class ModelessForm : public QWidget {
    Q_OBJECT

public:
    explicit ModelessForm(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace formkit
