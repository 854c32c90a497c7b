#ifndef ORV_FORMTMIANALYSIS_H
#define ORV_FORMTMIANALYSIS_H

#include "telemetry/tmiseries.h"
#include "telemetry/tmitripsummary.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class orv_FormTmiAnalysis;
}
class QListWidgetItem;
class TmiChartWidget;
class TmiPageSource;
class TmiSeriesLoader;

// The analysis of telemetry pages, a downloaded interval or an opened text
// file: a chart of chosen values against time (zoom, pan, a cursor with the
// values and page number, a click that opens the page), and the trip
// summary (distance, driving and parking, speeds, stops, engine, fuel and
// refuels), shown and saved as text. The pages' values are read once, from
// the event loop, when the window is given its pages.
//
// The window knows no page view: pageChosen() tells its owner which page
// to open.
class ORV_FormTmiAnalysis : public QDialog
{
    Q_OBJECT

public:
    enum Tab { ChartTab = 0, SummaryTab = 1 };

    explicit ORV_FormTmiAnalysis(QWidget *parent = nullptr);
    ~ORV_FormTmiAnalysis() override;

    // Shows the window on a tab, reading the pages first when they are new.
    void showPages(std::shared_ptr<const TmiPageSource> source, Tab tab);
    const std::shared_ptr<const TmiPageSource> &source() const { return m_source; }
    // The values read; null while reading.
    std::shared_ptr<const TmiSeries> series() const;
    bool isLoading() const;
    TmiSeriesLoader *loader() const { return m_loader; }
    TmiChartWidget *chart() const;
    const TmiTripSummary &summary() const { return m_summary; }
    QString summaryText() const;

    // Asks for the file to save the summary to (caption, directory, filter); for tests.
    using SaveFileChooser = std::function<QString(const QString &, const QString &, const QString &)>;
    void setSaveFileChooser(SaveFileChooser chooser) { m_chooser = std::move(chooser); }
    using Notifier = std::function<void(const QString &title, const QString &text)>;
    void setNotifier(Notifier notifier) { m_notifier = std::move(notifier); }
    // Where the summary is saved first.
    void setDataDirectory(const QString &directory) { m_directory = directory; }

signals:
    // The user asked to see the page at this index of the source.
    void pageChosen(int index);

public slots:
    void slot_pressed_PushButton_ZoomIn();
    void slot_pressed_PushButton_ZoomOut();
    void slot_pressed_PushButton_ZoomAll();
    void slot_pressed_PushButton_OpenPage();
    void slot_pressed_PushButton_Cancel();
    void slot_pressed_PushButton_SaveText();
    void slot_pressed_PushButton_Close();
    void slot_itemChanged_listWidget_Channels(QListWidgetItem *item);
    void slot_itemDoubleClicked_listWidget_Summary(QListWidgetItem *item);
    void slot_valueChanged_scrollBar_Time(int value);
    void slot_valueChanged_spinBox_MinStop(int value);
    void slot_currentIndexChanged_comboBox_Fuel(int index);
    void slot_valueChanged_doubleSpinBox_MinRefuel(double value);

private:
    void onLoaded();
    void onViewChanged(double from, double to);
    void showSeries();
    void updateSummary();
    void setLoading(bool loading);
    void tell(const QString &title, const QString &text);

    std::unique_ptr<Ui::orv_FormTmiAnalysis> ui;
    TmiSeriesLoader *m_loader = nullptr;
    std::shared_ptr<const TmiPageSource> m_source;
    TmiTripSummary m_summary;
    QString m_summaryText;
    SaveFileChooser m_chooser;
    Notifier m_notifier;
    QString m_directory;
    bool m_filling = false;
};

#endif // ORV_FORMTMIANALYSIS_H
