#pragma once

#include "Catalogue.h"
#include "TestCatalogue.h"
#include "TestContext.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Runs the cinelog program as a user would start it: its own settings folder, its own instance
// socket (so test programs running at once do not meet), no display unless offscreen is asked for.
struct ProgramRun {
    QTemporaryDir home;

    QProcessEnvironment environment(bool display) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "CINELOG_PLUGIN_DIR"})
            env.remove(QString::fromLatin1(name));
        if (display)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("CINELOG_INSTANCE_NAME"), home.filePath(QStringLiteral("instance")));
        return env;
    }

    struct Result {
        int exitCode = -1;
        QString out, err;
    };

    // Runs to the end (at most timeoutMs).
    Result run(const QString &program, const QStringList &args, bool display, int timeoutMs = 30000) const
    {
        QProcess p;
        p.setProcessEnvironment(environment(display));
        p.setWorkingDirectory(home.path());
        p.start(program, args);
        Result r;
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished();
            r.err = QStringLiteral("did not finish in time");
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    // A catalogue in the home folder holding the given titles.
    QString catalogue(const QString &name, const QStringList &titles) const
    {
        TestContext t;
        Catalogue c;
        QString path = home.filePath(name);
        if (!createCatalogue(path) || !c.open(path).opened())
            return {};
        for (const QString &title : titles)
            c.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy) VALUES (?, ?)"), {title, title});
        c.close();
        return path;
    }
};

// A program left running: reads the JSON status lines it prints; ended when the test ends.
struct RunningProgram {
    QProcess p;

    RunningProgram(const ProgramRun &run, const QString &program, const QStringList &args)
    {
        p.setProcessEnvironment(run.environment(true));
        p.setWorkingDirectory(run.home.path());
        p.start(program, args);
    }
    ~RunningProgram()
    {
        if (p.state() != QProcess::NotRunning) {
            p.terminate();
            if (!p.waitForFinished(5000)) {
                p.kill();
                p.waitForFinished();
            }
        }
    }

    // The next status line, or an empty object after timeoutMs.
    QJsonObject nextStatus(int timeoutMs = 30000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!p.canReadLine() && clock.elapsed() < timeoutMs && p.state() != QProcess::NotRunning)
            p.waitForReadyRead(200);
        if (!p.canReadLine())
            return {};
        return QJsonDocument::fromJson(p.readLine()).object();
    }
};
