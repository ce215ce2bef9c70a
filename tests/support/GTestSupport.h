#pragma once

#include "TestContext.h"

#include <gtest/gtest.h>

// A TestContext whose unexpected prompts fail the running GoogleTest.
class GTestContext : public TestContext
{
public:
    GTestContext()
        : TestContext([](const QString &why) { ADD_FAILURE() << why.toStdString(); })
    {
    }
};

// GoogleTest printing for Qt strings.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
