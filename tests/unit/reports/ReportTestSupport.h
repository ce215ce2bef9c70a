#pragma once

#include "ReportEngine.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>

// Text layout needs a GUI application (fonts); dates are checked in US English.
inline void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char arg0[] = "reports-test";
    static char *argv[] = {arg0, nullptr};
    new QGuiApplication(argc, argv); // lives for the whole test program
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// The text of a PDF as pdftotext reads it (layout kept), or empty text when it cannot be read.
inline QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Every item of every page, for checks across the whole report.
inline QList<std::pair<int, const report::PlacedItem *>> allItems(const report::ReportDocument &doc)
{
    QList<std::pair<int, const report::PlacedItem *>> out;
    for (int p = 0; p < doc.pages.size(); ++p)
        for (const report::PlacedItem &i : doc.pages[p].items)
            out.append({p, &i});
    return out;
}
