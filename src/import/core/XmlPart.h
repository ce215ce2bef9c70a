#pragma once

#include "CinelogError.h"
#include "WorkbookBackends.h"

#include <QXmlStreamReader>

// Shared by the zipped back-ends: an XML part's failures become one clear message.
inline void throwIfXmlError(const QXmlStreamReader &xml, const QString &path, const QString &part)
{
    if (xml.hasError())
        throw CinelogError(ErrorNumber::InvalidProcedureCall,
                           workbookMessage(path, logged("Workbook", "is damaged: the part “%1” is not valid XML (line %2: %3).")
                                                     .arg(part)
                                                     .arg(xml.lineNumber())
                                                     .arg(xml.errorString())));
}
