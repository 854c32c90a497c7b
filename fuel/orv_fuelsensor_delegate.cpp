#include "fuel/orv_fuelsensor_delegate.h"

#include "fuel/fuelsensortype.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

QLocale neutralLocale()
{
    QLocale c(QLocale::C);
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return c;
}

} // namespace

QValidator *ORV_FuelEditorDelegate::decimalValidator(double top, int decimals, QObject *parent)
{
    auto *v = new QDoubleValidator(0.0, top, decimals, parent);
    v->setNotation(QDoubleValidator::StandardNotation);
    v->setLocale(neutralLocale());
    return v;
}

QValidator *ORV_FuelEditorDelegate::codeValidator(QObject *parent)
{
    auto *v = new QIntValidator(0, FuelSensorType::kCodeTop, parent);
    v->setLocale(neutralLocale());
    return v;
}

QWidget *ORV_FuelEditorDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                              const QModelIndex &index) const
{
    Q_UNUSED(option);
    Q_UNUSED(index);
    auto *editor = new QLineEdit(parent);
    editor->setAlignment(Qt::AlignCenter);
    editor->setFrame(false);
    editor->setValidator(makeValidator(editor));
    m_editors.removeAll(nullptr);
    m_editors << editor;
    return editor;
}

bool ORV_FuelEditorDelegate::isEditing() const
{
    // A closed editor is hidden at once and deleted later.
    return std::any_of(m_editors.cbegin(), m_editors.cend(),
                       [](const QPointer<QWidget> &e) { return e && e->isVisible(); });
}

void ORV_FuelEditorDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line || !line->hasAcceptableInput())
        return;
    model->setData(index, line->text(), Qt::EditRole);
}

bool ORV_FuelEditorDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(object, event);
    auto *editor = qobject_cast<QWidget *>(object);
    if (!editor)
        return false;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Escape:
        emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        auto *line = qobject_cast<QLineEdit *>(editor);
        if (line && !line->hasAcceptableInput())
            return true; // out of range: keep editing
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        return true;
    }
    default:
        return QStyledItemDelegate::eventFilter(object, event);
    }
}

ORV_FuelSensor_Delegate::ORV_FuelSensor_Delegate(double top, int decimals, QObject *parent)
    : ORV_FuelEditorDelegate(parent)
    , m_top(top)
    , m_decimals(decimals)
{
}

QValidator *ORV_FuelSensor_Delegate::makeValidator(QObject *parent) const
{
    return decimalValidator(m_top, m_decimals, parent);
}

ORV_FuelSensor_Delegate_Int::ORV_FuelSensor_Delegate_Int(QObject *parent)
    : ORV_FuelEditorDelegate(parent)
{
}

QValidator *ORV_FuelSensor_Delegate_Int::makeValidator(QObject *parent) const
{
    return codeValidator(parent);
}
