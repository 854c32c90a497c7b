#include "telemetry/fieldboxes.h"

#include "telemetry/fieldtable.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>

namespace {

using G = FieldSelection::Group;

struct Place
{
    int page;
    int column;
};

// Where each group goes, by generation.
Place placeOf(FieldSelection::Generation generation, G group)
{
    if (generation == FieldSelection::Generation::First) {
        switch (group) {
        case G::Record: case G::Position: return {0, 0};
        case G::InputsOutputs: case G::Temperatures: return {0, 1};
        case G::FuelSensors: return {0, 2};
        default: return {0, 3};
        }
    }
    switch (group) {
    case G::Record: case G::Position: return {0, 0};
    case G::InputsOutputs: return {0, 1};
    // Four columns at most: five do not fit a small screen in Russian.
    case G::FuelSensors: case G::Temperatures: return {0, 2};
    case G::Can: return {0, 3};
    case G::Navigation: return {1, 0};
    case G::Services: return {1, 1};
    default: return {1, 2};
    }
}

QString text(const char *key)
{
    return QCoreApplication::translate("FieldSelection", key);
}

// "Latitude, Longitude": the members of the box's rows, as the field table
// names them.
QString memberNames(const FieldSelection::Box &box)
{
    QStringList names;
    for (int bit : {int(box.bit), int(box.secondBit)}) {
        if (bit == FieldSelection::NoBit)
            continue;
        const int first = FieldTable::firstMember(bit);
        for (int i = first; i < first + FieldTable::memberCount(bit); ++i)
            names << QString::fromLatin1(FieldTable::memberName(i));
    }
    if (names.size() > 4)
        return names.first() + QStringLiteral(" … ") + names.last();
    return names.join(QStringLiteral(", "));
}

} // namespace

FieldBoxes::FieldBoxes(FieldSelection &selection, const QList<QWidget *> &pages, QObject *parent)
    : QObject(parent)
    , m_selection(selection)
{
    build(pages);
    refresh();
}

void FieldBoxes::build(const QList<QWidget *> &pages)
{
    QList<QList<QVBoxLayout *>> columns(pages.size());
    QGroupBox *groups[int(G::Count)] = {};
    QVBoxLayout *groupLayouts[int(G::Count)] = {};

    for (int i = 0; i < m_selection.boxCount(); ++i) {
        const FieldSelection::Box &info = m_selection.box(i);
        const int g = int(info.group);
        if (!groups[g]) {
            const Place place = placeOf(m_selection.generation(), info.group);
            const int page = qBound(0, place.page, int(pages.size()) - 1);
            QWidget *container = pages.at(page);
            if (!container->layout()) {
                auto *row = new QHBoxLayout(container);
                row->setContentsMargins(0, 0, 0, 0);
            }
            auto *row = static_cast<QHBoxLayout *>(container->layout());
            while (columns[page].size() <= place.column) {
                auto *column = new QVBoxLayout;
                row->addLayout(column);
                columns[page] << column;
            }
            groups[g] = new QGroupBox(text(FieldSelection::groupTitleKey(info.group)), container);
            groups[g]->setObjectName(QStringLiteral("groupBox_%1").arg(g));
            groupLayouts[g] = new QVBoxLayout(groups[g]);
            groupLayouts[g]->setSpacing(2);
            columns[page][place.column]->addWidget(groups[g]);
        }
        auto *box = new QCheckBox(text(FieldSelection::boxCaptionKey(info)), groups[g]);
        box->setObjectName(QStringLiteral("checkBox_%1").arg(QLatin1String(info.name)));
        box->setToolTip(QCoreApplication::translate("FieldSelection", "K4810_2651")
                            .arg(box->text(), memberNames(info))
                            .arg(m_selection.boxWidth(i)));
        groupLayouts[g]->addWidget(box);
        connect(box, &QCheckBox::stateChanged, this, [this, i](int state) { slot_stateChanged_Field(i, state); });
        m_boxes << box;
    }
    for (const QList<QVBoxLayout *> &page : columns) {
        for (QVBoxLayout *column : page)
            column->addStretch(1);
    }
    for (QWidget *container : pages) {
        if (auto *row = qobject_cast<QHBoxLayout *>(container->layout()))
            row->addStretch(1);
    }
}

void FieldBoxes::refresh()
{
    for (int i = 0; i < m_boxes.size(); ++i) {
        QCheckBox *box = m_boxes.at(i);
        const QSignalBlocker blocker(box);
        box->setChecked(m_selection.isBoxChecked(i));
        box->setEnabled(m_selection.isBoxEnabled(i));
    }
}

void FieldBoxes::slot_stateChanged_Field(int index, int nState)
{
    m_selection.setBoxChecked(index, nState != Qt::Unchecked);
    // An extended box unticked under the standard format can no longer be ticked.
    m_boxes.at(index)->setEnabled(m_selection.isBoxEnabled(index));
    emit changed();
}
