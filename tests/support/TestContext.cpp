#include "TestContext.h"

#include <QFile>

TestContext::TestContext(ScriptedPrompts::FailureHandler onUnexpected) : prompts(std::move(onUnexpected))
{
    AppContext::Services s;
    s.prompts = &prompts;
    s.clock = &clock;
    s.urlOpener = &urls;
    m_ctx = std::make_unique<AppContext>(m_dir.path(), m_dir.path(), s);
    m_ctx->CurrentUser = QStringLiteral("tester");
}

TestContext::~TestContext() = default;

QStringList TestContext::logLines() const
{
    QFile f(m_ctx->errorLog().path());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
