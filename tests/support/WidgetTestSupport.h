#pragma once

#include "TestContext.h"

#include <QTest>

// A TestContext whose unexpected prompts fail the running QtTest function.
class WidgetTestContext : public TestContext
{
public:
    WidgetTestContext()
        : TestContext([](const QString &why) { QTest::qFail(qPrintable(why), __FILE__, __LINE__); })
    {
    }
};

// Finds a child by object name and fails the test when it is missing.
template <typename T>
T *child(QObject *parent, const char *name)
{
    T *c = parent->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        QTest::qFail(qPrintable(QStringLiteral("missing child %1").arg(QString::fromLatin1(name))), __FILE__, __LINE__);
    return c;
}
