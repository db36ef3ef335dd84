#include "statusbar.h"

#include <QApplication>
#include <QLabel>

namespace formkit {

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent), m_panel(new QLabel(this))
{
    // The desktop's own status-bar font, not the window's.
    setFont(QApplication::font(this));
    // One lowered panel, text at the left, stretched to the right edge.
    m_panel->setObjectName(QStringLiteral("Panel0"));
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Sunken);
    m_panel->setTextFormat(Qt::PlainText);
    addPermanentWidget(m_panel, 1);
}

QString StatusBar::panelText() const { return m_panel->text(); }

void StatusBar::setPanelText(const QString &text) { m_panel->setText(text); }

} // namespace formkit
