#ifndef PAGEFIXTURE_H
#define PAGEFIXTURE_H

// An editor with its pages on a device whose host records every request
// (and may answer from inside the send), for the tests of one settings
// page: load a section, look at the widgets as a user sees them, act on
// them as a user does, and read what would be saved.

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/orv_settingspage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QTimeEdit>

#include <functional>
#include <memory>
#include <vector>

namespace PageFixture {

struct Request
{
    uint32_t msgId;
    intptr_t p1;
    intptr_t p2;
};

inline std::vector<Request> &requests()
{
    static std::vector<Request> list;
    return list;
}

// Answers the host gives from inside the send, when set.
inline std::function<void(const Request &)> &answerInsideSend()
{
    static std::function<void(const Request &)> f;
    return f;
}

inline int32_t host(uint32_t, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    const Request r{msgId, p1, p2};
    requests().push_back(r);
    if (answerInsideSend())
        answerInsideSend()(r);
    return 0;
}

inline int count(uint32_t msgId)
{
    int n = 0;
    for (const Request &r : requests())
        n += r.msgId == msgId ? 1 : 0;
    return n;
}

inline intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

class Editor
{
public:
    Editor()
    {
        requests().clear();
        answerInsideSend() = nullptr;
        m_device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
        m_device->initialize(host);
        m_editor = m_device->ensureSettingsWindow();
    }
    ~Editor() { answerInsideSend() = nullptr; }

    orv_FormXml_K4810 *editor() const { return m_editor; }
    SettingsModel *model() const { return m_editor->model(); }
    ORV_SettingsPage *page(int position) const { return m_editor->page(position); }

    void deliver(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0) { m_device->receive(m_device->handle(), msgId, p1, p2); }
    void deliver(uint32_t msgId, const QByteArray &bytes) { deliver(msgId, addr(bytes.constData()), bytes.size()); }
    void attach()
    {
        const QString model = QStringLiteral("K-4810");
        const QString id = QStringLiteral("356000000000001");
        deliver(OrvMsg::TrackerAttached, addr(&model), addr(&id));
    }
    void detach() { deliver(OrvMsg::TrackerDetached); }
    void show(int position)
    {
        m_editor->setCurrentTab(page(position)->tabIndex());
    }

    // Loads a file whose section holds the fragment given.
    bool load(const QString &section, const QByteArray &fragment)
    {
        const QByteArray s = section.toLatin1();
        return model()->openBytes("<DEVICE><" + s + " page=\"" + s + "\">" + fragment + "</" + s + "></DEVICE>");
    }
    // The section as it would be saved.
    QByteArray saved(const QString &section) const
    {
        const QByteArray bytes = model()->toBytes();
        const QByteArray s = section.toLatin1();
        const qsizetype from = bytes.indexOf("<" + s + " ");
        const qsizetype to = bytes.indexOf("</" + s + ">", from);
        return from < 0 || to < 0 ? QByteArray() : bytes.mid(from, to - from);
    }

private:
    std::unique_ptr<ORV_Device_K4810> m_device;
    orv_FormXml_K4810 *m_editor = nullptr;
};

// For a failure message: the lines of a saved section that hold the
// name the expected text starts with.
inline QByteArray linesLike(const QByteArray &section, const QByteArray &expected)
{
    QByteArray name = expected;
    name = name.mid(name.startsWith('<') ? 1 : 0);
    name = name.left(name.indexOf(name.contains('=') ? '=' : '>'));
    name = name.left(name.indexOf(' ') < 0 ? name.size() : name.indexOf(' '));
    QByteArray out = expected + "\nnot in\n";
    for (const QByteArray &line : section.split('\n')) {
        if (line.contains(name))
            out += line + '\n';
    }
    return out;
}

// What a widget shows, as a user reads it: "on"/"off" for a box or a radio,
// the number of a field or slider, a combo's item text, a time "hh:mm" (""
// for an empty one), a label's text, a stacked widget's page.
inline QString shown(QWidget *w)
{
    if (auto *g = qobject_cast<QGroupBox *>(w); g && g->isCheckable())
        return g->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    if (auto *b = qobject_cast<QAbstractButton *>(w); b && b->isCheckable())
        return b->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    if (auto *s = qobject_cast<QSpinBox *>(w))
        return QString::number(s->value());
    if (auto *d = qobject_cast<QDoubleSpinBox *>(w))
        return QString::number(d->value());
    if (auto *s = qobject_cast<QAbstractSlider *>(w))
        return QString::number(s->value());
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    if (auto *t = qobject_cast<QTimeEdit *>(w))
        return t->time() == t->minimumTime() && !t->specialValueText().isEmpty() ? QString()
                                                                              : t->time().toString(QStringLiteral("hh:mm"));
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *s = qobject_cast<QStackedWidget *>(w))
        return QString::number(s->currentIndex());
    return QStringLiteral("?");
}

// Sets a widget as a user does (its signals go out).
inline void act(QWidget *w, const QString &value)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        const bool on = value == QLatin1String("on");
        if (b->isChecked() != on)
            b->click();
    } else if (auto *s = qobject_cast<QSpinBox *>(w)) {
        s->setValue(value.toInt());
    } else if (auto *d = qobject_cast<QDoubleSpinBox *>(w)) {
        d->setValue(value.toDouble());
    } else if (auto *s = qobject_cast<QAbstractSlider *>(w)) {
        s->setValue(value.toInt());
    } else if (auto *c = qobject_cast<QComboBox *>(w)) {
        c->setCurrentIndex(value.toInt());
    } else if (auto *t = qobject_cast<QTimeEdit *>(w)) {
        t->setTime(QTime::fromString(value, QStringLiteral("hh:mm")));
    } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
        e->setText(value);
    } else {
        QFAIL(qPrintable(QStringLiteral("cannot act on %1").arg(w->objectName())));
    }
}

} // namespace PageFixture

#endif // PAGEFIXTURE_H
