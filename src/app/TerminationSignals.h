#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM (a session ending, a service manager) and SIGINT into an ordinary event, so
// that the program ends through its own close path and its destructors run. The handler
// only writes a byte into a pipe; a socket notifier on the other end calls the reaction
// from the event loop. One instance at a time; the previous handlers return with it.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // What the first signal does; without one, or for every later signal, the application
    // quits its event loops.
    void SetReaction(std::function<void()> reaction);

    // Whether a signal has been handled.
    bool Received() const { return m_received; }

private:
    void OnSignal();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
    std::function<void()> m_reaction;
    bool m_received = false;
};
