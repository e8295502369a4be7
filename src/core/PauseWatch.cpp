// SPDX-License-Identifier: MIT

#include "core/PauseWatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMetaEnum>
#include <QThread>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcPause, "tunary.pause", QtWarningMsg)

namespace PauseWatch {

namespace {

constexpr int kDefaultThresholdMs = 30;

class Watcher;
Watcher *g_watcher = nullptr;

/** What ran longest in one stretch of work, named by a step or by the event it was. */
struct Longest
{
    QByteArray what;
    qint64 ns = 0;

    void offer(qint64 took, const auto &name)
    {
        if (took > ns) {
            ns = took;
            what = name();
        }
    }
};

QByteArray eventName(const char *className, const QString &objectName, QEvent::Type type)
{
    const QMetaEnum types = QMetaEnum::fromType<QEvent::Type>();
    const char *typeName = types.valueToKey(type);
    QByteArray name = typeName ? QByteArray(typeName) : QByteArray::number(int(type));
    name += " to ";
    name += className;
    if (!objectName.isEmpty())
        name += " \"" + objectName.toUtf8() + '"';
    return name;
}

/**
 * A heartbeat on the interface thread: a timer due every few milliseconds that comes late by more than the
 * threshold found the event loop held up that long. The application-wide event filter sees each event as it
 * starts, so the time up to the next one is taken as that event's.
 */
class Watcher : public QObject
{
public:
    explicit Watcher(qint64 thresholdNs)
        : m_thresholdNs(thresholdNs)
    {
        m_clock.start();
        m_lastBeatNs = now();
        m_beat.setTimerType(Qt::PreciseTimer);
        m_beat.setInterval(kBeatMs);
        connect(&m_beat, &QTimer::timeout, this, &Watcher::beat);
        m_beat.start();
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~Watcher() override { g_watcher = nullptr; }

    qint64 now() const { return m_clock.nsecsElapsed(); }
    void stepEnded(const char *what, qint64 startNs)
    {
        m_step.offer(now() - startNs, [what] { return QByteArray(what); });
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        const qint64 at = now();
        closeEvent(at);
        // Named now: the receiver may be gone by the next event (a deferred delete is one).
        m_eventStartNs = at;
        m_eventClass = receiver->metaObject()->className();
        m_eventObjectName = receiver->objectName();
        m_eventType = event->type();
        return false;
    }

private:
    void closeEvent(qint64 at)
    {
        if (m_eventClass)
            m_event.offer(at - m_eventStartNs,
                          [this] { return eventName(m_eventClass, m_eventObjectName, m_eventType); });
        m_eventClass = nullptr;
    }

    void beat()
    {
        const qint64 at = now();
        const qint64 late = at - m_lastBeatNs - qint64(kBeatMs) * 1000000;
        m_lastBeatNs = at;
        if (late >= m_thresholdNs) {
            const auto ms = [](qint64 ns) { return QString::number(double(ns) / 1e6, 'f', 1); };
            QString text = u"pause of %1 ms"_s.arg(ms(late));
            if (m_step.ns > 0)
                text += u"; longest step: %1 (%2 ms)"_s.arg(QString::fromUtf8(m_step.what), ms(m_step.ns));
            if (m_event.ns > 0)
                text += u"; longest event: %1 (%2 ms)"_s.arg(QString::fromUtf8(m_event.what), ms(m_event.ns));
            qCInfo(lcPause).noquote() << text;
        }
        m_step = {};
        m_event = {};
    }

    static constexpr int kBeatMs = 5;
    const qint64 m_thresholdNs;
    QElapsedTimer m_clock;
    QTimer m_beat;
    qint64 m_lastBeatNs = 0;
    Longest m_step;
    Longest m_event;
    // The event under way, and what it was sent to.
    const char *m_eventClass = nullptr;
    QString m_eventObjectName;
    QEvent::Type m_eventType = QEvent::None;
    qint64 m_eventStartNs = 0;
};

} // namespace

void startIfWanted()
{
    if (g_watcher || !lcPause().isInfoEnabled())
        return;
    bool isNumber = false;
    const int thresholdMs = qEnvironmentVariableIntValue("TUNARY_PAUSE_MS", &isNumber);
    g_watcher = new Watcher(qint64(isNumber && thresholdMs > 0 ? thresholdMs : kDefaultThresholdMs) * 1000000);
    g_watcher->setParent(QCoreApplication::instance());
    qCInfo(lcPause) << "watching pauses of the interface longer than" << (isNumber ? thresholdMs : kDefaultThresholdMs)
                    << "ms";
}

void done(const char *what)
{
    if (g_watcher)
        qCInfo(lcPause, "done: %s", what);
}

Step::Step(const char *what)
    : m_what(what)
{
    // Steps of worker threads do not hold up the interface.
    if (g_watcher && g_watcher->thread() == QThread::currentThread())
        m_startNs = g_watcher->now();
}

Step::~Step()
{
    if (g_watcher && m_startNs >= 0)
        g_watcher->stepEnded(m_what, m_startNs);
}

} // namespace PauseWatch
