#pragma once
#include <QObject>
#include <QTimer>

// A window-message timer: on when created, 1000 ms. Enabling it starts a fresh period;
// setting the state it already has changes nothing, so a running timer keeps its phase.
// A tick that falls due while a handler runs comes once, late; further ones are dropped.
class TTimer final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)

public:
    explicit TTimer(QObject *parent = nullptr);

    QString Name() const { return objectName(); }
    void SetName(const QString &n) { setObjectName(n); }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    int Interval() const { return m_interval; }
    void SetInterval(int ms);

    // No tick comes while the layout is being read, however long that takes.
    Q_INVOKABLE void BeginLoading();
    Q_INVOKABLE void Loaded();

    // Milliseconds until the next tick falls due; -1 while the timer is off.
    int RemainingTime() const { return m_timer.remainingTime(); }

    // Delivers one tick now, as the message loop would.
    void Tick() { emit OnTimer(); }

signals:
    void OnTimer();

private:
    void update();

    QTimer m_timer;
    bool m_enabled = true;
    int m_interval = 1000;
    bool m_loading = false;
};
