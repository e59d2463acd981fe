#include "clock/clock_status_bar.h"

#include "clock/clock_identity.h"

#include <QEvent>
#include <QLabel>
#include <QTime>
#include <QTimer>

ClockStatusBar::ClockStatusBar(QWidget *parent)
    : QStatusBar(parent), m_clockTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    const std::array<QString, 12> initial = {
        QString(), QStringLiteral("LMD V :"), QStringLiteral("0.00"), QStringLiteral(" LMD SN :"),
        QStringLiteral("0000"), QStringLiteral(" HCU V:"), QStringLiteral("0.00"),
        QStringLiteral(" HCU SN:"), QStringLiteral("0000"), QString(),
        QStringLiteral("TAMREL NOT CONNECTED"), QString()};
    for (int i = 0; i < 12; ++i) {
        auto *label = new QLabel(initial[i], this);
        label->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        const bool sunken = i == 0 || i == 2 || i == 4 || i == 6 || i == 8 || i == 10 || i == 11;
        label->setFrameStyle(sunken ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
        label->setContentsMargins(4, 0, 4, 0);
        m_panels[i] = label;
        // The state text takes what room is left; the rest keep their size.
        addPermanentWidget(label, i == 10 ? 1 : 0);
    }
    m_panels[0]->setMinimumWidth(60);
    m_panels[9]->setFixedWidth(8);
    m_panels[10]->setMinimumWidth(200);
    connect(m_clockTimer, &QTimer::timeout, this, &ClockStatusBar::showTime);
    m_clockTimer->start(1000);
    showTime();
}

QString ClockStatusBar::panelText(int panel) const
{
    return m_panels.at(panel - 1)->text();
}

bool ClockStatusBar::event(QEvent *event)
{
    // Set when asked, so that it names the device of a port chosen since.
    if (event->type() == QEvent::ToolTip && m_device)
        setToolTip(QStringLiteral("Serial port: ") + m_device());
    return QStatusBar::event(event);
}

void ClockStatusBar::setPanel(int panel, const QString &text)
{
    m_panels.at(panel - 1)->setText(text);
}

void ClockStatusBar::showTime()
{
    setPanel(12, QTime::currentTime().toString(QStringLiteral("h:mm:ss AP")));
}

void ShowClockStatus(const ClockIdentity &identity, ClockStatusBar &bar)
{
    const ClockStatusTexts t = StatusTextsFor(identity);
    if (t.model)
        bar.setPanel(1, *t.model);
    bar.setPanel(3, t.lmdVersion);
    bar.setPanel(5, t.lmdSerial);
    bar.setPanel(7, t.hcuVersion);
    bar.setPanel(9, t.hcuSerial);
    bar.setPanel(11, t.lmdState);
}
