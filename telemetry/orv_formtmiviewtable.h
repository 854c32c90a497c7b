#ifndef ORV_FORMTMIVIEWTABLE_H
#define ORV_FORMTMIVIEWTABLE_H

#include "telemetry/orv_tmifileview.h"

#include <memory>

namespace Ui {
class orv_FormTmiViewTable;
}
class QTableView;
class TmiTextFileModel;

// A saved telemetry text file as a table: one row per page, one column per
// field (TmiTableColumns, as the table file of a download). A view over the
// file's pages (TmiTextFileModel) with fixed row heights: only the rows on
// screen are read from the file and made into text.
class orv_FormTmiViewTable : public ORV_TmiFileView
{
    Q_OBJECT

public:
    explicit orv_FormTmiViewTable(ORV_Device_K4810 *device);
    ~orv_FormTmiViewTable() override;

    TmiTextFileModel *model() const { return m_model; }
    QTableView *tableView() const;

protected:
    void showContents(const std::shared_ptr<const TmiTextFile> &file) override;

private:
    std::unique_ptr<Ui::orv_FormTmiViewTable> ui;
    TmiTextFileModel *m_model = nullptr;
};

#endif // ORV_FORMTMIVIEWTABLE_H
