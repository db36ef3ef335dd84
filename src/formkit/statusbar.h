// A status bar with one panel across its whole width. The panel is a
// permanent widget, so the status tips of menus and actions, which Qt shows
// as temporary messages, never replace or clear the game's text.
#pragma once

#include <QStatusBar>

class QLabel;

namespace formkit {

class StatusBar : public QStatusBar {
    Q_OBJECT
    Q_PROPERTY(QString panelText READ panelText WRITE setPanelText)

public:
    explicit StatusBar(QWidget *parent = nullptr);

    QString panelText() const;
    void setPanelText(const QString &text);

    QLabel *panel() const { return m_panel; }

private:
    QLabel *m_panel;
};

} // namespace formkit
