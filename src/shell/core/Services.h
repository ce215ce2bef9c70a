#pragma once

#include "Clock.h"
#include "ProgressSink.h"

#include <QUrl>

// Opens web addresses in the user's browser; tests record them instead.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl &url) = 0;
};
