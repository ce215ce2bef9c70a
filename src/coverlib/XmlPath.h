#pragma once

#include <QDomElement>
#include <QDomNode>
#include <QHash>
#include <QList>
#include <QString>

// Answers child-step paths such as "aws:ItemSearchResponse/aws:Items/aws:Item" on a namespace-aware
// QDomDocument. Each step names an element by prefix and local name; the prefix is looked up in the
// evaluator's own bindings, never in the document's, so a reply may use any prefix (or a default
// namespace) for the service's namespace. A step without a prefix names an element in no namespace.
// Paths are relative to the context node; given the document, the first step names the root element.
class XmlPath
{
public:
    void bind(const QString &prefix, const QString &namespaceUri) { m_bindings.insert(prefix, namespaceUri); }

    // All matching elements, in document order.
    QList<QDomElement> selectNodes(const QDomNode &context, const QString &path) const;
    // The first matching element in document order, or a null element.
    QDomElement selectSingleNode(const QDomNode &context, const QString &path) const;

private:
    QHash<QString, QString> m_bindings;
};
