#pragma once

#include <QString>
#include <QtGlobal>

// Long work reports through this; the window side shows the shared progress window.
class ProgressSink
{
public:
    virtual ~ProgressSink() = default;
    virtual void ShowProgress(const QString &message, int minimum, int maximum) = 0;
    // Closes the progress display when value equals the maximum.
    virtual void UpdateProgress(qint64 value) = 0;
    // Lets pending window events run during long work (throttled by the implementation).
    virtual void letEventsRun() {}
};

class NullProgress : public ProgressSink
{
public:
    void ShowProgress(const QString &, int, int) override {}
    void UpdateProgress(qint64) override {}
};
