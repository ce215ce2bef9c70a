#pragma once

#include <QObject>

class QComboBox;

// Type-ahead for an editable combo box: typing completes the text with the first list entry that
// begins with it (ignoring letter case), selecting the added tail so typing on replaces it. The
// characters typed keep their own letter case. Deleting characters never completes again.
class ComboAutoComplete : public QObject
{
    Q_OBJECT
public:
    // Attaches to the box (and becomes its child).
    static ComboAutoComplete *attach(QComboBox *box);

    // Completes the box's current text; called on every edit by the user.
    void complete();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ComboAutoComplete(QComboBox *box);
    QComboBox *m_box;
    bool m_skip = false;
};
