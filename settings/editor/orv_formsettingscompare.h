#ifndef ORV_FORMSETTINGSCOMPARE_H
#define ORV_FORMSETTINGSCOMPARE_H

#include "settings/model/settingscomparison.h"

#include <QMessageBox>

#include <functional>

class QPushButton;
class QTableWidget;

// The differences between two settings documents as a table (section,
// setting, the two values), in a question box: before a write to the
// tracker ("in the tracker" against "to be written", Write or Cancel), or
// after opening a second file to compare with (Close only).
class ORV_FormSettingsCompare : public QMessageBox
{
    Q_OBJECT

public:
    // The page title of a section, and the label of a setting.
    using Naming = std::function<QString(const SettingsDifference &difference, bool section)>;

    explicit ORV_FormSettingsCompare(QWidget *parent = nullptr);

    // A question: accepting writes. Otherwise the box only shows.
    void setQuestion(bool question);
    void setDifferences(const QList<SettingsDifference> &differences, const QString &leftTitle,
                        const QString &rightTitle, const Naming &naming);
    QTableWidget *table() const { return m_table; }
    QPushButton *acceptButton() const { return m_accept; }

    // A value as the table shows it; "(none)" where a side has none.
    static QString shown(const SettingsDifference &d, bool left);

private:
    QTableWidget *m_table;
    QPushButton *m_accept = nullptr;
    QPushButton *m_reject = nullptr;
};

#endif // ORV_FORMSETTINGSCOMPARE_H
