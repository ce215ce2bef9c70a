#pragma once

#include "AppContext.h"
#include "ReportEngine.h"

#include <gtest/gtest.h>

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

// Everything of a page that is printed, one line per item, for comparing two layouts of a page.
inline QStringList describe(const report::Page &page)
{
    QStringList out;
    for (const report::PlacedItem &i : page.items) {
        // A picture may be kept compressed or not, depending on whether all pages are kept.
        QString picture;
        if (i.kind == report::PlacedItem::Kind::Image)
            picture = QStringLiteral("picture %1x%2").arg(i.picture.size().width()).arg(i.picture.size().height());
        out << QStringLiteral("%1/%2 %3 [%4,%5 %6x%7] (%8,%9)-(%10,%11) %12 %13")
                   .arg(i.section, i.control)
                   .arg(int(i.kind))
                   .arg(i.rect.left())
                   .arg(i.rect.top())
                   .arg(i.rect.width())
                   .arg(i.rect.height())
                   .arg(i.line.x1())
                   .arg(i.line.y1())
                   .arg(i.line.x2())
                   .arg(i.line.y2())
                   .arg(picture, i.text);
    }
    return out;
}

// Checks that a report laid out whole, streamed page by page and laid out one page at a time on
// demand (in a scattered order) gives the same pages. whole is the report run at once; the others
// run the same definition and source again.
inline void expectSamePagesAllWays(AppContext &ctx, const report::ReportDocument &whole, report::ReportDefinition &def,
                                   report::ReportDataSource &source, const report::EventLabels &labels = {})
{
    const report::ReportPlan plan = report::planReport(ctx, def, source, labels);
    ASSERT_EQ(plan.pageCount, whole.pageCount());
    ASSERT_EQ(plan.starts.size(), whole.pageCount());

    QList<int> numbers;
    report::streamReport(ctx, def, source, plan, [&](const report::Page &page, int number) {
        numbers << number;
        ASSERT_LE(number, whole.pageCount());
        EXPECT_EQ(describe(page), describe(whole.pages[number - 1])) << "streamed page " << number;
    }, 0, labels);
    QList<int> expected;
    for (int n = 1; n <= whole.pageCount(); ++n)
        expected << n;
    EXPECT_EQ(numbers, expected);

    report::PageSource pages(ctx, def, source, plan, labels);
    QList<int> order;
    for (int n = whole.pageCount(); n >= 1; n -= 2)
        order << n;
    for (int n = 1; n <= whole.pageCount(); n += 2)
        order << n;
    for (int n : order)
        EXPECT_EQ(describe(pages.page(n)), describe(whole.pages[n - 1])) << "page " << n << " on its own";
    EXPECT_EQ(pages.layouts(), order.size());
}
