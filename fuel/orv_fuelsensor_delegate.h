#ifndef ORV_FUELSENSOR_DELEGATE_H
#define ORV_FUELSENSOR_DELEGATE_H

#include <QList>
#include <QPointer>
#include <QStyledItemDelegate>

class QLineEdit;
class QValidator;

// The cell editors of a calibration table: a line edit that takes only the
// column's range. Keys in the editor:
//   Escape          closes it, the cell unchanged;
//   Return, Enter   writes the text into the cell and closes it, but only
//                   when the range takes it (otherwise the editor stays);
//   Tab, Backtab    go on to the editor;
//   anything else   as any item delegate.
// A text the range does not take never reaches the cell, however the editor
// is left. Validators use the C locale (the point as decimal separator) on
// their own; the application's locale is left alone.
class ORV_FuelEditorDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    // True while one of this delegate's editors is open.
    bool isEditing() const;

    // Validators for the entry row's line edits and the editors.
    static QValidator *decimalValidator(double top, int decimals, QObject *parent);
    static QValidator *codeValidator(QObject *parent);

protected:
    bool eventFilter(QObject *editor, QEvent *event) override;
    virtual QValidator *makeValidator(QObject *parent) const = 0;

private:
    mutable QList<QPointer<QWidget>> m_editors;
};

// Volumes (top 5000.0, one decimal) and volts (top 35.0, two decimals).
class ORV_FuelSensor_Delegate : public ORV_FuelEditorDelegate
{
    Q_OBJECT
public:
    ORV_FuelSensor_Delegate(double top, int decimals, QObject *parent = nullptr);

    double top() const { return m_top; }
    int decimals() const { return m_decimals; }

protected:
    QValidator *makeValidator(QObject *parent) const override;

private:
    double m_top;
    int m_decimals;
};

// Sensor codes, 0 to 4095.
class ORV_FuelSensor_Delegate_Int : public ORV_FuelEditorDelegate
{
    Q_OBJECT
public:
    explicit ORV_FuelSensor_Delegate_Int(QObject *parent = nullptr);

protected:
    QValidator *makeValidator(QObject *parent) const override;
};

#endif // ORV_FUELSENSOR_DELEGATE_H
