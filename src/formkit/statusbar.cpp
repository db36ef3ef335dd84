#include "statusbar.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

namespace formkit {

namespace {
// The panel's bevel starts this far below the bar's top edge, as on the
// desktop the game was designed for; the bar keeps its designed height.
constexpr int PanelTop = 2;
constexpr int SmallestPixelSize = 6;
} // namespace

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent), m_panel(new QLabel(this))
{
    // One lowered panel, text at the left. It is no item of the bar's own
    // layout (whose fixed spacing leaves less room than a line of text needs)
    // but lies over the bar, filled, so that temporary messages stay hidden.
    m_panel->setObjectName(QStringLiteral("Panel0"));
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Sunken);
    m_panel->setTextFormat(Qt::PlainText);
    m_panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_panel->setAutoFillBackground(true);
    placePanel();
}

QString StatusBar::panelText() const { return m_panel->text(); }

void StatusBar::setPanelText(const QString &text) { m_panel->setText(text); }

void StatusBar::resizeEvent(QResizeEvent *event)
{
    QStatusBar::resizeEvent(event);
    placePanel();
}

void StatusBar::changeEvent(QEvent *event)
{
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::ApplicationFontChange)
        placePanel();
}

void StatusBar::placePanel()
{
    m_panel->setGeometry(0, PanelTop, width(), qMax(0, height() - PanelTop));
    // The desktop's status-bar font, not the window's; where a line of it is
    // higher than the panel's inside, the largest pixel size that fits.
    QFont font = QApplication::font(this);
    const int room = m_panel->contentsRect().height();
    int pixelSize = QFontInfo(font).pixelSize();
    font.setPixelSize(pixelSize);
    while (QFontMetrics(font).height() > room && pixelSize > SmallestPixelSize)
        font.setPixelSize(--pixelSize);
    m_panel->setFont(font);
}

} // namespace formkit
