#pragma once

#include "ProgressSink.h"

#include <QString>
#include <algorithm>

// Work of a known number of steps (rows listed, names examined) that shows how far it has come in
// the shared progress window, but only when it is large: small work is over before a window could
// be read, and a window flashing up for it is only noise.
class StepProgress
{
public:
    // Work of more than this many steps shows its progress; work of this many or fewer shows none.
    static constexpr qint64 Threshold = 20000;

    static bool showsProgress(qint64 total) { return total > Threshold; }

    StepProgress(ProgressSink &sink, const QString &message, qint64 total)
        : m_sink(sink), m_total(std::max<qint64>(total, 0)), m_shown(showsProgress(m_total)),
          m_every(std::max<qint64>(m_total / 200, 1))
    {
        if (m_shown)
            m_sink.ShowProgress(message, 0, int(std::min<qint64>(m_total, 0x7fffffff)));
    }
    ~StepProgress() { finish(); }
    StepProgress(const StepProgress &) = delete;
    StepProgress &operator=(const StepProgress &) = delete;

    bool shown() const { return m_shown; }

    // done steps of the total are over. The window is moved about 200 times over the whole work,
    // not on every step; window events run at each move.
    void step(qint64 done)
    {
        if (!m_shown || m_finished)
            return;
        done = std::clamp<qint64>(done, 0, m_total);
        if (done >= m_total) {
            finish();
            return;
        }
        if (done - m_last < m_every)
            return;
        m_last = done;
        m_sink.UpdateProgress(done);
        m_sink.letEventsRun();
    }

    // The work is over (also when it ended early): the window reaches its maximum and closes.
    void finish()
    {
        if (!m_shown || m_finished)
            return;
        m_finished = true;
        m_sink.UpdateProgress(std::min<qint64>(m_total, 0x7fffffff));
    }

private:
    ProgressSink &m_sink;
    qint64 m_total;
    bool m_shown;
    qint64 m_every;
    qint64 m_last = 0;
    bool m_finished = false;
};
