#pragma once

#include "ReportDefinition.h"

#include <QCoreApplication>

namespace report {
// The texts the reports print: headings, captions and labels.
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Reports)
};
}

// Pieces the program's reports share.
namespace report::parts {

// The common page footer: today's date at dateLeft, "Page n of m", the web address.
Section pageFooter(int dateLeft, const QString &webAddressLabel);

// The product logo in a page header.
Control logo(const QString &name);

} // namespace report::parts
