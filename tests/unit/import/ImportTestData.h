#pragma once

#include <QString>

// A fixture workbook in tests/data/import.
inline QString importData(const char *name)
{
    return qEnvironmentVariable("CINELOG_TEST_DATA") + QStringLiteral("/import/") + QString::fromUtf8(name);
}
