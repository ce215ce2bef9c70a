#pragma once

#include "CinelogError.h"

#include <QString>
#include <functional>

// Where a failure that a routine handles itself is reported: the program's error log (and, when
// asked, a message to the user). Lower layers report through this without knowing how it is shown.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void reportError(const QString &label, qint64 number, const QString &description, bool showMessage) noexcept = 0;
    // The same, for a failure whose description the user reads translated (shownDescription) while the
    // log keeps it in English (description).
    virtual void reportTranslatedError(const QString &label, qint64 number, const QString &description,
                                       const QString &shownDescription, bool showMessage) noexcept
    {
        (void)shownDescription;
        reportError(label, number, description, showMessage);
    }
};

// Runs f; an error it throws is reported under label. Returns false when f failed.
bool guarded(ErrorReporter &reporter, const QString &label, const std::function<void()> &f, bool showMessage = true) noexcept;
