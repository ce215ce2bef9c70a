#include "ErrorReporter.h"

#include <new>

bool guarded(ErrorReporter &reporter, const QString &label, const std::function<void()> &f, bool showMessage) noexcept
{
    try {
        f();
        return true;
    } catch (const CinelogError &e) {
        reporter.reportError(label, e.number(), e.description(), showMessage);
    } catch (const std::bad_alloc &) {
        reporter.reportError(label, 7, QStringLiteral("Out of memory"), showMessage);
    } catch (const std::exception &e) {
        reporter.reportError(label, 51, QString::fromUtf8(e.what()), showMessage);
    } catch (...) {
        reporter.reportError(label, 51, QStringLiteral("Internal error"), showMessage);
    }
    return false;
}
