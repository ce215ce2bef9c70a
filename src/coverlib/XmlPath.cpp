#include "XmlPath.h"

#include <QStringList>
#include <stdexcept>

namespace {

struct Step
{
    QString namespaceUri;
    QString localName;
};

} // namespace

QList<QDomElement> XmlPath::selectNodes(const QDomNode &context, const QString &path) const
{
    QList<Step> steps;
    for (const QString &part : path.split(QLatin1Char('/'))) {
        const qsizetype colon = part.indexOf(QLatin1Char(':'));
        Step step;
        if (colon >= 0) {
            const QString prefix = part.left(colon);
            const auto it = m_bindings.constFind(prefix);
            if (it == m_bindings.constEnd())
                throw std::invalid_argument("unbound namespace prefix in an XML path");
            step.namespaceUri = *it;
            step.localName = part.mid(colon + 1);
        } else {
            step.localName = part;
        }
        steps << step;
    }

    // Expanding level by level keeps document order: all matches of one step sit at the same depth,
    // and the children of an earlier node precede those of a later one.
    QList<QDomNode> current{context};
    for (const Step &step : steps) {
        QList<QDomNode> next;
        for (const QDomNode &node : current) {
            for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
                if (!child.isElement())
                    continue;
                if (child.localName() == step.localName && child.namespaceURI() == step.namespaceUri)
                    next << child;
            }
        }
        current = std::move(next);
        if (current.isEmpty())
            break;
    }

    QList<QDomElement> result;
    result.reserve(current.size());
    for (const QDomNode &node : current)
        result << node.toElement();
    return result;
}

QDomElement XmlPath::selectSingleNode(const QDomNode &context, const QString &path) const
{
    const QList<QDomElement> all = selectNodes(context, path);
    return all.isEmpty() ? QDomElement() : all.first();
}
