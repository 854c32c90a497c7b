#ifndef ORV_FORMTMIVIEWPAGE_H
#define ORV_FORMTMIVIEWPAGE_H

#include "telemetry/orv_tmifileview.h"

#include <memory>
#include <vector>

namespace Ui {
class orv_FormTmiViewPage;
}
class ORV_FormTmiAnalysis;
class ORV_FormTmiRecord;
class ORV_FormTmi_Vela2;
class QLabel;
class QPushButton;
class TmiPageSource;
struct TmiFilePage;

// A saved telemetry text file, shown page by page: F6/F8 pages with the
// fields of the text file and the captions of its header, second-generation
// pages in the Vela2 display (without the buttons that act on a tracker).
// All movement goes through the slider, whose range (0 to the number of
// pages - 1) bounds every button; the spin box names a page index to go to.
// Pages are read from the file as they are shown.
//
// The view also shows pages that are no file (the interval the telemetry
// window downloaded last), opens the analysis of the pages shown (chart,
// trip summary) and the record inspector of the page shown.
class orv_FormTmiViewPage : public ORV_TmiFileView
{
    Q_OBJECT

public:
    explicit orv_FormTmiViewPage(ORV_Device_K4810 *device);
    ~orv_FormTmiViewPage() override;

    // The index of the page shown; -1 when none is.
    int currentIndex() const { return m_current; }
    ORV_FormTmi_Vela2 *vela2Display() const;
    // The pages shown: the file's, or those given to showPages().
    const std::shared_ptr<const TmiPageSource> &pages() const { return m_pages; }
    // Shows the window with pages that are no file (a download), at a page.
    void showPages(std::shared_ptr<const TmiPageSource> pages, int index);
    // Shows page index of the pages shown.
    void goToPage(int index);
    // The analysis and the record inspector, once opened.
    ORV_FormTmiAnalysis *analysisWindow() const { return m_analysis; }
    ORV_FormTmiRecord *recordWindow() const { return m_record; }

public slots:
    void slot_valueChanged_horizontalSlider(int nValue);
    void slot_valueChanged_spinBox_Go(int nValue);
    void slot_Pressed_PushButton_Begin();
    void slot_Pressed_PushButton_Get_Prev();
    void slot_Pressed_PushButton_Get_Next();
    void slot_Pressed_PushButton_End();
    void slot_Pressed_PushButton_Go();
    void slot_Pressed_PushButton_Chart();
    void slot_Pressed_PushButton_Summary();
    void slot_Pressed_PushButton_Record();

protected:
    void showContents(const std::shared_ptr<const TmiTextFile> &file) override;

private:
    void buildF8();
    void showPage(int index);
    void showF8(const TmiFilePage &page);
    void setNavigation(int index, int count);
    void setPages(std::shared_ptr<const TmiPageSource> pages);
    void openAnalysis(int tab);
    void showRecord();

    std::unique_ptr<Ui::orv_FormTmiViewPage> ui;
    std::shared_ptr<const TmiPageSource> m_pages;
    QPushButton *m_chartButton = nullptr;
    QPushButton *m_summaryButton = nullptr;
    QPushButton *m_recordButton = nullptr;
    ORV_FormTmiAnalysis *m_analysis = nullptr;
    ORV_FormTmiRecord *m_record = nullptr;
    int m_current = -1;
    std::vector<QLabel *> m_f8Values;        // by F8 field
    QLabel *m_eventName = nullptr;
    std::vector<QLabel *> m_inputCaptions;   // IN1..IN3, AIN1, SH1..SH4
    std::vector<QLabel *> m_inputs;
    std::vector<QLabel *> m_outputCaptions;
    std::vector<QLabel *> m_outputs;
    std::vector<std::pair<QLabel *, int>> m_bitTexts; // label, which text
};

#endif // ORV_FORMTMIVIEWPAGE_H
