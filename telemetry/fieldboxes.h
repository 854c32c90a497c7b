#ifndef FIELDBOXES_H
#define FIELDBOXES_H

#include "telemetry/fieldselection.h"

#include <QList>
#include <QObject>

class QCheckBox;
class QWidget;

// The check boxes of a record field selection, built from the box table of
// FieldSelection: one group box per group, the groups in columns, on one
// page (first generation) or two (second generation: the fields of the
// extended storage format on the second). The boxes show the selection and
// change it; nothing else holds the state.
class FieldBoxes : public QObject
{
    Q_OBJECT

public:
    FieldBoxes(FieldSelection &selection, const QList<QWidget *> &pages, QObject *parent = nullptr);

    // Shows the selection: ticks and enabled states, without signals.
    void refresh();

    QCheckBox *box(int index) const { return m_boxes.value(index); }
    int count() const { return int(m_boxes.size()); }

signals:
    // The user changed a box; the selection holds the change.
    void changed();

private:
    void slot_stateChanged_Field(int index, int nState);
    void build(const QList<QWidget *> &pages);

    FieldSelection &m_selection;
    QList<QCheckBox *> m_boxes;
};

#endif // FIELDBOXES_H
