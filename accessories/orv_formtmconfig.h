#ifndef ORV_FORMTMCONFIG_H
#define ORV_FORMTMCONFIG_H

#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class ORV_FormTMConfig;
}
class ORV_FormWidgetTM;

// The short list of touch-memory keys kept in the settings file: sixteen
// key rows whose code, text and mode are bound to tmKeyCode%1, tmKeyText%1
// and changeModeKey%1 of the TM_KEYS section by the page's binder (the
// touch-memory page holds this widget). A row's read button asks the page
// for the code of the key touched to the tracker's reader.
class ORV_FormTMConfig : public QWidget
{
    Q_OBJECT

public:
    static constexpr int KeyCount = 16;

    explicit ORV_FormTMConfig(QWidget *parent = nullptr);
    ~ORV_FormTMConfig() override;

    // A row by its number, 1 .. KeyCount; null otherwise.
    ORV_FormWidgetTM *row(int number) const;
    // Shows the code read for a row (the low six bytes, as the key file keeps them).
    void setKeyCode(int number, quint64 code);
    // A line under the rows: the read under way, its result.
    void setStatus(const QString &text);

signals:
    // The user asked for the code of the key touched to the reader, for this row.
    void readKeyRequested(int number);

private:
    std::unique_ptr<Ui::ORV_FormTMConfig> ui;
    std::vector<ORV_FormWidgetTM *> m_rows;
};

#endif // ORV_FORMTMCONFIG_H
