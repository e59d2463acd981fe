#pragma once

#include <QStatusBar>

#include <array>
#include <functional>

class QLabel;
class QTimer;
struct ClockIdentity;

// The main window's twelve-panel status bar: the clock's model, versions,
// serial numbers and module state, and the time of day in panel 12.
class ClockStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit ClockStatusBar(QWidget *parent = nullptr);

    // Panels are numbered from 1.
    QString panelText(int panel) const;
    // Names the device in use in the bar's tooltip, asked when it shows.
    void setDeviceSource(std::function<QString()> device) { m_device = std::move(device); }

protected:
    bool event(QEvent *event) override;

private:
    friend void ShowClockStatus(const ClockIdentity &identity, ClockStatusBar &bar);
    void setPanel(int panel, const QString &text);
    void showTime();

    std::array<QLabel *, 12> m_panels{};
    QTimer *m_clockTimer;
    std::function<QString()> m_device;
};

// Fills panels 1, 3, 5, 7, 9 and 11 from the identity.
void ShowClockStatus(const ClockIdentity &identity, ClockStatusBar &bar);
