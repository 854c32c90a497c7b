#ifndef ORV_FORMSETTINGSCHANGES_H
#define ORV_FORMSETTINGSCHANGES_H

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class ORV_FormSettingsChanges;
}
class QTableWidget;
class SettingsModel;

// The "changed only" view of the settings editor: every setting whose
// value differs from the file or tracker reading it was loaded from, with
// its page, its label and the old and new values. Selected rows (or all)
// are reverted to the loaded values; a double click opens the setting on
// its page. The list follows the model while the view is open.
class ORV_FormSettingsChanges : public QDialog
{
    Q_OBJECT

public:
    // The page title and the label of a key.
    using Naming = std::function<QString(const QString &section, const QString &path, bool pageTitle)>;

    ORV_FormSettingsChanges(SettingsModel *model, Naming naming, QWidget *parent = nullptr);
    ~ORV_FormSettingsChanges() override;

    QTableWidget *table() const;
    // Rows as shown: section and path of each.
    QStringList rows() const;

signals:
    void openRequested(const QString &section, const QString &path);

public slots:
    void refresh();
    void slot_pressed_pushButton_Revert();
    void slot_pressed_pushButton_RevertAll();
    void slot_pressed_pushButton_Close();

private:
    void scheduleRefresh();

    std::unique_ptr<Ui::ORV_FormSettingsChanges> ui;
    SettingsModel *m_model;
    Naming m_naming;
    bool m_refreshQueued = false;
};

#endif // ORV_FORMSETTINGSCHANGES_H
