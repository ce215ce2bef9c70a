#pragma once

#include "AppContext.h"
#include "ScriptedPrompts.h"

#include <QDateTime>
#include <QList>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime t = QDateTime(QDate(2025, 12, 9), QTime(15, 42))) : m_now(std::move(t)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &t) { m_now = t; }

private:
    QDateTime m_now;
};

class RecordingUrlOpener : public UrlOpener
{
public:
    void open(const QUrl &url) override { opened << url; }
    QList<QUrl> opened;
};

// Records what long work reports to the progress window.
class ProgressRecorder : public ProgressSink
{
public:
    struct Shown {
        QString message;
        int minimum = 0;
        int maximum = 0;
    };
    void ShowProgress(const QString &message, int minimum, int maximum) override { shown << Shown{message, minimum, maximum}; }
    void UpdateProgress(qint64 value) override { updates << value; }
    QList<Shown> shown;
    QList<qint64> updates;
};

// A program context on a fresh temporary folder: settings file, error log and catalogues live there.
// The user is "tester"; the clock reads Dec 09, 2025 3:42 PM until set.
class TestContext
{
public:
    explicit TestContext(ScriptedPrompts::FailureHandler onUnexpected = {});
    ~TestContext();

    QString folder() const { return m_dir.path(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // The error log's lines, in order.
    QStringList logLines() const;

    AppContext &ctx() { return *m_ctx; }
    ScriptedPrompts prompts;
    FixedClock clock;
    RecordingUrlOpener urls;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppContext> m_ctx;
};
