#pragma once

#include <QCoreApplication>
#include <QTranslator>

// A translation into "another language" for tests: every text comes back between « and », with its
// %1 places kept. While one is installed, a text shown in English was not translated, and a stored
// value that changed language was translated where it should not have been.
class MarkerTranslator : public QTranslator
{
public:
    MarkerTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkerTranslator() override { QCoreApplication::removeTranslator(this); }
    MarkerTranslator(const MarkerTranslator &) = delete;
    MarkerTranslator &operator=(const MarkerTranslator &) = delete;

    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return marked(QString::fromUtf8(sourceText));
    }

    static QString marked(const QString &text) { return QStringLiteral("«%1»").arg(text); }
};
