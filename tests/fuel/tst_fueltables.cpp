// A calibration table as a technician works it: the table operations with
// their questions (rows and marks, action, answer -> rows, buttons, graph
// points), the cell editors' keys and ranges, the graph drawn into an image
// and probed at known pixels, and the report printed to PDF and read back
// by pdftotext.

#include "fuel/fuelcalibrationmodel.h"
#include "fuel/fueldialogs.h"
#include "fuel/orv_formreportfuel.h"
#include "fuel/orv_fuelsensor_graph.h"
#include "fuel/orv_fueltablepanel.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

using RowList = QList<QPair<QString, QString>>;

RowList rowsOf(const FuelCalibrationModel *model)
{
    RowList out;
    for (const auto &r : model->rows())
        out << qMakePair(r.volume, r.reading);
    return out;
}

RowList rows(std::initializer_list<QPair<const char *, const char *>> list)
{
    RowList out;
    for (const auto &p : list)
        out << qMakePair(QString::fromUtf8(p.first), QString::fromUtf8(p.second));
    return out;
}

bool isDark(const QImage &image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return c.red() < 160 && c.green() < 160 && c.blue() < 160;
}

// Dark anywhere in the 3x3 square around a point (antialiased lines fall
// between pixels).
bool darkNear(const QImage &image, int x, int y)
{
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (isDark(image, x + dx, y + dy))
                return true;
        }
    }
    return false;
}

bool redNear(const QImage &image, QPointF at)
{
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor c = image.pixelColor(qRound(at.x()) + dx, qRound(at.y()) + dy);
            if (c.red() > 150 && c.green() < 110 && c.blue() < 110)
                return true;
        }
    }
    return false;
}

bool isWhite(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(Qt::white);
}

} // namespace

class tst_FuelTables : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void operations_data();
    void operations();
    void addKeepsTheReadingAndEnablesOnlyForValidInput();
    void fileRowsWaitForTheLastOne();
    void editorKeys_data();
    void editorKeys();
    void editorsKeepTheApplicationLocale();
    void sortWaitsForTheEditor();

    void graphPixels();
    void graphWithoutVolumes();
    void graphMarksPointsAgainstTheDirection();

    void reportPrintsToPdf();
    void reportPrintDialog();
    void reportSaveAsPdf();

private:
    ORV_FuelTablePanel *makePanel(const QString &type, bool live = false);
    void fill(const RowList &list, const QList<int> &marks = {});
    QLineEdit *openEditor(int row, int column);

    FuelDialogs m_dialogs;
    QStringList m_questions;
    QStringList m_told;
    bool m_answer = true;
    std::unique_ptr<ORV_FuelTablePanel> m_panel;
    QTemporaryDir m_dir;
};

void tst_FuelTables::init()
{
    m_questions.clear();
    m_told.clear();
    m_answer = true;
    m_dialogs.ask = [this](QWidget *, const QString &title, const QString &text) {
        m_questions << title + QLatin1Char('|') + text;
        return m_answer;
    };
    m_dialogs.tell = [this](QWidget *, const QString &title, const QString &text) {
        m_told << title + QLatin1Char('|') + text;
    };
}

void tst_FuelTables::cleanup()
{
    m_panel.reset();
}

ORV_FuelTablePanel *tst_FuelTables::makePanel(const QString &type, bool live)
{
    m_panel = std::make_unique<ORV_FuelTablePanel>(QStringLiteral("_T"), live, &m_dialogs);
    m_panel->configure(FuelSensorType::byCode(type));
    m_panel->resize(820, 520);
    m_panel->show();
    return m_panel.get();
}

void tst_FuelTables::fill(const RowList &list, const QList<int> &marks)
{
    for (const auto &r : list)
        m_panel->appendRow(r.first, r.second);
    m_panel->finishAppending();
    for (int m : marks)
        m_panel->model()->setData(m_panel->model()->index(m, 2), Qt::Checked, Qt::CheckStateRole);
}

// ---------------------------------------------------------------------------
// Table operations

void tst_FuelTables::operations_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<RowList>("before");
    QTest::addColumn<QList<int>>("marks");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<RowList>("after");
    QTest::addColumn<bool>("deleteEnabled");
    QTest::addColumn<bool>("clearEnabled");
    QTest::addColumn<int>("questions");

    const RowList three = rows({{"10", "1.00"}, {"20", "2.00"}, {"30", "3.00"}});
    QTest::newRow("add to an empty table") << "A1" << RowList() << QList<int>() << "add" << "10" << "1.5" << true
                                           << rows({{"10", "1.5"}}) << false << true << 0;
    QTest::newRow("add sorts by volume") << "A1" << three << QList<int>() << "add" << "15" << "1.5" << true
                                         << rows({{"10", "1.00"}, {"15", "1.5"}, {"20", "2.00"}, {"30", "3.00"}})
                                         << false << true << 0;
    QTest::newRow("add keeps equal volumes") << "A1" << three << QList<int>() << "add" << "20" << "2.5" << true
                                             << rows({{"10", "1.00"}, {"20", "2.00"}, {"20", "2.5"}, {"30", "3.00"}})
                                             << false << true << 0;
    QTest::newRow("add keeps the volume as typed") << "A1" << RowList() << QList<int>() << "add" << "12" << "0.5"
                                                   << true << rows({{"12", "0.5"}}) << false << true << 0;
    QTest::newRow("add: volume 9999 refused") << "A1" << three << QList<int>() << "add" << "9999" << "1.5" << true
                                              << three << false << true << 0;
    QTest::newRow("add: 36 volts refused") << "A1" << three << QList<int>() << "add" << "5" << "36" << true << three
                                           << false << true << 0;
    QTest::newRow("add: code 5000 refused") << "D1" << RowList() << QList<int>() << "add" << "5" << "5000" << true
                                            << RowList() << false << false << 0;
    QTest::newRow("add: code 4095 taken") << "D1" << RowList() << QList<int>() << "add" << "5000" << "4095" << true
                                          << rows({{"5000", "4095"}}) << false << true << 0;
    QTest::newRow("add without a reading") << "A1" << three << QList<int>() << "add" << "40" << "" << true << three
                                           << false << true << 0;
    QTest::newRow("add without a volume") << "A1" << three << QList<int>() << "add" << "" << "4.00" << true << three
                                          << false << true << 0;
    QTest::newRow("delete marked, yes") << "A1" << three << QList<int>{0, 2} << "delete" << "" << "" << true
                                        << rows({{"20", "2.00"}}) << false << true << 1;
    QTest::newRow("delete marked, no") << "A1" << three << QList<int>{0, 2} << "delete" << "" << "" << false << three
                                       << true << true << 1;
    QTest::newRow("delete every row") << "D2" << rows({{"1", "7"}, {"2", "9"}}) << QList<int>{0, 1} << "delete" << ""
                                      << "" << true << RowList() << false << false << 1;
    QTest::newRow("delete without marks asks nothing") << "A1" << three << QList<int>() << "delete" << "" << "" << true
                                                       << three << false << true << 0;
    QTest::newRow("clear, yes") << "A1" << three << QList<int>{1} << "clear" << "" << "" << true << RowList() << false
                                << false << 1;
    QTest::newRow("clear, no") << "A1" << three << QList<int>{1} << "clear" << "" << "" << false << three << true
                               << true << 1;
    QTest::newRow("clear an empty table asks nothing") << "A1" << RowList() << QList<int>() << "clear" << "" << ""
                                                       << true << RowList() << false << false << 0;
}

void tst_FuelTables::operations()
{
    QFETCH(QString, type);
    QFETCH(RowList, before);
    QFETCH(QList<int>, marks);
    QFETCH(QString, action);
    QFETCH(QString, volume);
    QFETCH(QString, reading);
    QFETCH(bool, answer);
    QFETCH(RowList, after);
    QFETCH(bool, deleteEnabled);
    QFETCH(bool, clearEnabled);
    QFETCH(int, questions);

    ORV_FuelTablePanel *panel = makePanel(type);
    fill(before, marks);
    QCOMPARE(panel->deleteButton()->isEnabled(), !marks.isEmpty());
    m_answer = answer;
    if (action == QLatin1String("add")) {
        panel->volumeEdit()->setText(volume);
        panel->readingEdit()->setText(reading);
        panel->slot_pressed_Btn_Add();
    } else if (action == QLatin1String("delete")) {
        panel->slot_pressed_Btn_Del();
    } else {
        panel->slot_pressed_Btn_Clear();
    }

    QCOMPARE(rowsOf(panel->model()), after);
    QCOMPARE(panel->deleteButton()->isEnabled(), deleteEnabled);
    QCOMPARE(panel->clearButton()->isEnabled(), clearEnabled);
    QCOMPARE(m_questions.size(), questions);
    // Declined questions leave the marks as they were.
    if (!answer && !marks.isEmpty()) {
        for (int m : marks)
            QVERIFY(panel->model()->row(m).marked);
    }
    // The graph shows the rows, in table order.
    FuelPoints expected;
    for (const auto &r : after)
        expected << FuelPoint{r.first.toFloat(), r.second.toFloat()};
    QCOMPARE(panel->graph()->points(), expected);
    QCOMPARE(panel->points(), expected);
}

void tst_FuelTables::addKeepsTheReadingAndEnablesOnlyForValidInput()
{
    ORV_FuelTablePanel *panel = makePanel(QStringLiteral("A1"));
    QVERIFY(!panel->addButton()->isEnabled());
    panel->readingEdit()->setText(QStringLiteral("4.25"));
    QVERIFY(!panel->addButton()->isEnabled());
    panel->volumeEdit()->setText(QStringLiteral("9999")); // the validator lets it stand while typing
    QVERIFY(!panel->addButton()->isEnabled());
    panel->volumeEdit()->setText(QStringLiteral("100"));
    QVERIFY(panel->addButton()->isEnabled());
    panel->readingEdit()->setText(QStringLiteral("36"));
    QVERIFY(!panel->addButton()->isEnabled());
    panel->readingEdit()->setText(QStringLiteral("4.25"));
    // Return in the entry row adds.
    QTest::keyClick(panel->volumeEdit(), Qt::Key_Return);
    QCOMPARE(rowsOf(panel->model()), rows({{"100", "4.25"}}));
    QVERIFY(panel->volumeEdit()->text().isEmpty());
    QCOMPARE(panel->readingEdit()->text(), QStringLiteral("4.25"));
    QVERIFY(!panel->addButton()->isEnabled());
    QVERIFY(panel->isModified());
}

void tst_FuelTables::fileRowsWaitForTheLastOne()
{
    ORV_FuelTablePanel *panel = makePanel(QStringLiteral("D1"));
    QSignalSpy rowsChanged(panel, &ORV_FuelTablePanel::rowsChanged);
    panel->appendRow(QStringLiteral("30,5"), QStringLiteral("300"));
    panel->appendRow(QStringLiteral("10"), QStringLiteral("nan"));
    panel->appendRow(QStringLiteral("1e999"), QStringLiteral("50"));
    // Nothing sorted or drawn before the last row.
    QVERIFY(panel->graph()->points().isEmpty());
    QCOMPARE(panel->model()->row(0).volume, QStringLiteral("30.5"));
    panel->finishAppending();
    QCOMPARE(rowsOf(panel->model()), rows({{"0", "50"}, {"10", "0"}, {"30.5", "300"}}));
    QCOMPARE(panel->graph()->points().size(), 3);
    QVERIFY(panel->clearButton()->isEnabled());
    QVERIFY(!panel->deleteButton()->isEnabled());
    QCOMPARE(rowsChanged.size(), 1);
}

// ---------------------------------------------------------------------------
// Cell editors

QLineEdit *tst_FuelTables::openEditor(int row, int column)
{
    QTableView *view = m_panel->table();
    view->edit(m_panel->model()->index(row, column));
    for (QLineEdit *e : view->viewport()->findChildren<QLineEdit *>()) {
        if (e->isVisible())
            return e;
    }
    return nullptr;
}

void tst_FuelTables::editorKeys_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<RowList>("after");
    QTest::addColumn<bool>("stillEditing");

    const RowList three = rows({{"10", "1.00"}, {"20", "2.00"}, {"30", "3.00"}});
    QTest::newRow("volume, Return re-sorts") << "A1" << 0 << "25" << int(Qt::Key_Return)
                                             << rows({{"20", "2.00"}, {"25", "1.00"}, {"30", "3.00"}}) << false;
    QTest::newRow("volts, Enter, last row") << "A1" << 1 << "5" << int(Qt::Key_Enter)
                                   << rows({{"10", "1.00"}, {"20", "2.00"}, {"30", "5"}}) << false;
    QTest::newRow("volume, Escape keeps the cell") << "A1" << 0 << "25" << int(Qt::Key_Escape) << three << false;
    QTest::newRow("volume 9999 stays in the editor") << "A1" << 0 << "9999" << int(Qt::Key_Return) << three << true;
    QTest::newRow("volume, a comma cannot be typed") << "A1" << 0 << "12,5" << int(Qt::Key_Return)
                                                     << rows({{"20", "2.00"}, {"30", "3.00"}, {"125", "1.00"}})
                                                     << false;
    QTest::newRow("volume, a second decimal cannot be typed")
        << "A1" << 0 << "12.55" << int(Qt::Key_Return) << rows({{"12.5", "1.00"}, {"20", "2.00"}, {"30", "3.00"}})
        << false;
    QTest::newRow("volts 36 stay in the editor") << "A1" << 1 << "36" << int(Qt::Key_Return) << three << true;
    QTest::newRow("volts, a third decimal cannot be typed")
        << "A1" << 1 << "12.345" << int(Qt::Key_Return) << rows({{"10", "12.34"}, {"20", "2.00"}, {"30", "3.00"}})
        << false;
    QTest::newRow("code 5000 stays in the editor") << "D1" << 1 << "5000" << int(Qt::Key_Return) << three << true;
    QTest::newRow("code 4095") << "D1" << 1 << "4095" << int(Qt::Key_Return)
                               << rows({{"10", "4095"}, {"20", "2.00"}, {"30", "3.00"}}) << false;
    QTest::newRow("code, a point cannot be typed") << "D2" << 1 << "1.5" << int(Qt::Key_Return)
                                                   << rows({{"10", "15"}, {"20", "2.00"}, {"30", "3.00"}}) << false;
    // Tab and Backtab go to the line edit, which keeps them: the editor stays.
    QTest::newRow("Tab stays in the editor") << "A1" << 1 << "7.5" << int(Qt::Key_Tab) << three << true;
    QTest::newRow("Backtab stays in the editor") << "D1" << 1 << "77" << int(Qt::Key_Backtab) << three << true;
}

void tst_FuelTables::editorKeys()
{
    QFETCH(QString, type);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(RowList, after);
    QFETCH(bool, stillEditing);

    makePanel(type);
    m_panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
    fill(rows({{"10", "1.00"}, {"20", "2.00"}, {"30", "3.00"}}));
    const int row = QByteArray(QTest::currentDataTag()).startsWith("volts, Enter") ? 2 : 0;
    QPointer<QLineEdit> editor = openEditor(row, column);
    QVERIFY(editor);
    editor->setFocus();
    editor->selectAll();
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key(key));
    QApplication::processEvents();
    QCOMPARE(rowsOf(m_panel->model()), after);
    QCOMPARE(editor && editor->isVisible(), stillEditing);
    if (stillEditing) {
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(rowsOf(m_panel->model()), after);
    }
    QCOMPARE(m_panel->graph()->points().size(), 3);
}

void tst_FuelTables::editorsKeepTheApplicationLocale()
{
    const QLocale before = QLocale();
    QLocale::setDefault(QLocale(QLocale::Russian));
    makePanel(QStringLiteral("A1"));
    fill(rows({{"10", "1.00"}}));
    QLineEdit *editor = openEditor(0, 1);
    QVERIFY(editor);
    // The point is the separator in the editors, whatever the locale.
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("2.5"));
    QCOMPARE(editor->text(), QStringLiteral("2.5"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(m_panel->model()->row(0).reading, QStringLiteral("2.5"));
    m_panel->volumeEdit()->setText(QStringLiteral("3,5"));
    QVERIFY(!m_panel->volumeEdit()->hasAcceptableInput());
    QCOMPARE(QLocale().language(), QLocale::Russian);
    QLocale::setDefault(before);
}

void tst_FuelTables::sortWaitsForTheEditor()
{
    makePanel(QStringLiteral("A1"));
    fill(rows({{"10", "1.00"}, {"20", "2.00"}}));
    QLineEdit *editor = openEditor(1, 1);
    QVERIFY(editor);
    // A volume changed by program while a cell is edited: no sort yet.
    m_panel->model()->setData(m_panel->model()->index(0, 0), QStringLiteral("50"));
    QCOMPARE(m_panel->model()->row(0).volume, QStringLiteral("50"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QCOMPARE(rowsOf(m_panel->model()), rows({{"20", "2.00"}, {"50", "1.00"}}));
}

// ---------------------------------------------------------------------------
// Graph

void tst_FuelTables::graphPixels()
{
    ORV_FuelSensor_Graph graph(QStringLiteral("V"), 60, 2);
    graph.setPoints({{0, 0}, {50, 1}, {100, 2}});
    QImage image(500, 400, QImage::Format_ARGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        graph.draw(p, image.size());
    }
    // Scale: (500 - 60 - 20 - 20) / 100 = 4 px a litre, (400 - 50 - 20 - 20) / 2 = 155 px a volt.
    QCOMPARE(graph.position({50, 1}, image.size()), QPointF(260, 195));
    QVERIFY(isWhite(image, 300, 100));   // background
    QVERIFY(isWhite(image, 2, 2));
    QVERIFY(darkNear(image, 60, 200));   // vertical axis
    QVERIFY(darkNear(image, 250, 350));  // horizontal axis
    QVERIFY(darkNear(image, 57, 27));    // arrow heads
    QVERIFY(darkNear(image, 473, 347));
    QVERIFY(darkNear(image, 100, 347));  // first tick across, 40 px apart
    QVERIFY(darkNear(image, 460, 353));
    QVERIFY(isWhite(image, 120, 347));
    QVERIFY(darkNear(image, 63, 319));   // first tick up, 31 px apart
    QVERIFY(darkNear(image, 57, 40));
    QVERIFY(isWhite(image, 80, 319));
    QVERIFY(redNear(image, QPointF(60, 350))); // the dots
    QVERIFY(redNear(image, QPointF(260, 195)));
    QVERIFY(redNear(image, QPointF(460, 40)));
    QVERIFY(darkNear(image, 160, 272)); // the line between the first two points
    // The widget paints the same.
    graph.resize(500, 400);
    QCOMPARE(graph.grab().toImage().convertToFormat(QImage::Format_ARGB32), image);
}

void tst_FuelTables::graphWithoutVolumes()
{
    ORV_FuelSensor_Graph graph(QStringLiteral("code"), 80, 0);
    graph.setPoints({{0, 1000}, {0, 2000}});
    QImage image(500, 400, QImage::Format_ARGB32);
    QPainter p(&image);
    graph.draw(p, image.size());
    p.end();
    // No ticks across; the points on the vertical axis.
    const int step = (500 - 80 - 20 - 20) / 10;
    for (int i = 1; i <= 10; ++i)
        QVERIFY(isWhite(image, 80 + i * step, 346));
    QVERIFY(redNear(image, graph.position({0, 2000}, image.size())));
    QCOMPARE(graph.position({0, 2000}, image.size()).x(), 80.0);
    QVERIFY(darkNear(image, 83, 350 - 31)); // ticks up remain

    // No points: no ticks at all, no dots.
    graph.setPoints({});
    QImage empty(500, 400, QImage::Format_ARGB32);
    QPainter q(&empty);
    graph.draw(q, empty.size());
    q.end();
    QVERIFY(isWhite(empty, 80 + step, 346));
    QVERIFY(isWhite(empty, 84, 350 - 31));
}

void tst_FuelTables::graphMarksPointsAgainstTheDirection()
{
    ORV_FuelSensor_Graph graph(QStringLiteral("V"), 60, 2);
    graph.setPoints({{0, 1}, {50, 3}, {75, 2}, {100, 4}});
    QCOMPARE(graph.brokenPoints(), QList<int>{2});
    QImage image(500, 400, QImage::Format_ARGB32);
    QPainter p(&image);
    graph.draw(p, image.size());
    p.end();
    const QPointF at = graph.position({75, 2}, image.size());
    QVERIFY(redNear(image, at + QPointF(5, 0))); // the ring
    QVERIFY(redNear(image, at - QPointF(0, 5)));
    // The warning along the top.
    int warning = 0;
    for (int x = 70; x < 480; ++x) {
        for (int y = 0; y < 20; ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 120 && c.green() < 90)
                ++warning;
        }
    }
    QVERIFY(warning > 20);
    graph.setPoints({{0, 1}, {100, 4}});
    QVERIFY(graph.brokenPoints().isEmpty());
}

// ---------------------------------------------------------------------------
// Report

namespace {

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("pdftotext failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

FuelPoints reportPoints()
{
    FuelPoints points;
    for (int i = 0; i < 20; ++i)
        points << FuelPoint{float(20 * i), float(200 + 50 * i) + 0.7f};
    return points;
}

} // namespace

void tst_FuelTables::reportPrintsToPdf()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ORV_FormReportFuel report;
    report.setClock([] { return QDateTime(QDate(2026, 12, 4), QTime(6, 5, 9)); });
    report.showReport(QStringLiteral("D3"), QStringLiteral("Truck 7 <&>"), reportPoints());
    QVERIFY(report.isDigital());
    const QString pdf = m_dir.filePath(QStringLiteral("printed.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        report.print(&printer);
    }
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QLatin1String("K4810_549")), qPrintable(text));
    QVERIFY(text.contains(QLatin1String("K4810_548 F-1.0")));
    QVERIFY(text.contains(QLatin1String("Truck 7 <&>")));
    QVERIFY(text.contains(QLatin1String("04.12.2026 6:05:09")));
    // Twenty points in two pairs: the sixteenth point stands beside the first.
    QVERIFY(text.contains(QLatin1String("0.0")));
    QVERIFY(text.contains(QLatin1String("200")));
    QVERIFY(text.contains(QLatin1String("380.0")));
    QVERIFY(text.contains(QLatin1String("1150")));
    QVERIFY(!text.contains(QLatin1String("1150.70")));
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool pairedRow = false;
    for (const QString &line : lines) {
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        if (words == QStringList({QStringLiteral("0.0"), QStringLiteral("200"), QStringLiteral("300.0"),
                                  QStringLiteral("950")}))
            pairedRow = true;
    }
    QVERIFY2(pairedRow, qPrintable(text));
}

void tst_FuelTables::reportPrintDialog()
{
    ORV_FormReportFuel report;
    report.showReport(QStringLiteral("A1"), QString(), reportPoints());
    QVERIFY(!report.isDigital());
    const QString pdf = m_dir.filePath(QStringLiteral("dialog.pdf"));
    bool accepted = false;
    report.setPrintDialog([&](QPrinter *printer, QWidget *) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return accepted;
    });
    report.slot_pressed_Btn_Print();
    QVERIFY(!QFileInfo::exists(pdf)); // cancelled: nothing printed
    accepted = true;
    report.slot_pressed_Btn_Print();
    QVERIFY(QFileInfo(pdf).size() > 1000);
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QVERIFY(pdfText(pdf).contains(QLatin1String("1150.70")));
}

void tst_FuelTables::reportSaveAsPdf()
{
    ORV_FormReportFuel report;
    FuelDialogs dialogs = m_dialogs;
    QString chosen;
    dialogs.saveFile = [&chosen](QWidget *, const QString &, const QString &, const QString &) { return chosen; };
    report.setDialogs(dialogs);
    report.showReport(QStringLiteral("F1"), QStringLiteral("Bus"), reportPoints());
    // Cancelled.
    report.slot_pressed_Btn_Pdf();
    QVERIFY(m_told.isEmpty());
    // Saved.
    chosen = m_dir.filePath(QStringLiteral("saved.pdf"));
    report.slot_pressed_Btn_Pdf();
    QVERIFY(m_told.isEmpty());
    QVERIFY(QFileInfo(chosen).size() > 1000);
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QVERIFY(pdfText(chosen).contains(QLatin1String("Bus")));
    // Nowhere to write: the user is told.
    chosen = m_dir.filePath(QStringLiteral("no/such/folder/report.pdf"));
    report.slot_pressed_Btn_Pdf();
    QCOMPARE(m_told.size(), 1);
    QVERIFY(!QFileInfo::exists(chosen));
}

QTEST_MAIN(tst_FuelTables)
#include "tst_fueltables.moc"
