#include "ProgramSettings.h"

namespace ProgramSettings {

const Setting<bool> AutoLoad{QStringLiteral("Options"), QStringLiteral("AutoLoad"), false};
const Setting<QString> LastDB{QStringLiteral("Options"), QStringLiteral("LastDB")};
const Setting<QString> LastFolder{QStringLiteral("Options"), QStringLiteral("LastFolder")};
const Setting<QString> LastCoverFolder{QStringLiteral("Options"), QStringLiteral("LastCoverFolder")};
const Setting<QString> PDFFolder{QStringLiteral("Options"), QStringLiteral("PDFFolder")};
const Setting<QString> Language{QStringLiteral("Options"), QStringLiteral("Language")};

Setting<QString> recentCatalogue(int entry)
{
    return Setting<QString>(QStringLiteral("DBLists"), QStringLiteral("db%1").arg(entry));
}

} // namespace ProgramSettings
