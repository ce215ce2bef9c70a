#include "ErrorReporter.h"

#include <new>

bool guarded(ErrorReporter &reporter, const QString &label, const std::function<void()> &f, bool showMessage) noexcept
{
    try {
        f();
        return true;
    } catch (const CinelogError &e) {
        reporter.reportTranslatedError(label, e.number(), e.description(), e.shownDescription(), showMessage);
    } catch (const std::bad_alloc &) {
        const LoggedText text = logged("ErrorReporter", "Out of memory");
        reporter.reportTranslatedError(label, 7, text.english, text.shown, showMessage);
    } catch (const std::exception &e) {
        reporter.reportError(label, 51, QString::fromUtf8(e.what()), showMessage);
    } catch (...) {
        const LoggedText text = logged("ErrorReporter", "Internal error");
        reporter.reportTranslatedError(label, 51, text.english, text.shown, showMessage);
    }
    return false;
}
