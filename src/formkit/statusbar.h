// A status bar with one lowered panel across its whole width, at the bar's
// designed height, whose text always shows whole: the panel's font is the
// desktop's status-bar font, made smaller where the panel is too low for it.
// The panel lies over the bar, so the status tips of menus and actions,
// which Qt shows as temporary messages of the bar, never hide the game's text.
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

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void placePanel();

    QLabel *m_panel;
};

} // namespace formkit
