#ifndef PAGEFIXTURE_H
#define PAGEFIXTURE_H

// What the page suites of this folder share: a device object with its
// settings editor, a host callback that records the requests (and may
// answer inside send), and helpers to open a section and read back what a
// save writes.

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/orv_settingspage.h"

#include <QList>
#include <QRegularExpression>
#include <QTabWidget>

#include <functional>
#include <memory>

namespace PageFixture {

struct Sent
{
    uint32_t msgId;
    intptr_t p1;
    intptr_t p2;
};

inline QList<Sent> &sent()
{
    static QList<Sent> s;
    return s;
}

// Answers from inside send, when set.
inline std::function<void(const Sent &)> &answerInside()
{
    static std::function<void(const Sent &)> f;
    return f;
}

inline int32_t host(uint32_t, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    sent().append(Sent{msgId, p1, p2});
    if (answerInside())
        answerInside()(sent().last());
    return 0;
}

inline int count(uint32_t msgId)
{
    int n = 0;
    for (const Sent &s : sent())
        n += s.msgId == msgId ? 1 : 0;
    return n;
}

class Editor
{
public:
    Editor()
    {
        sent().clear();
        answerInside() = nullptr;
        device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
        device->initialize(&host);
        editor = device->ensureSettingsWindow();
        editor->setQuestion([](const QString &, const QString &, const QString &, const QString &) { return true; });
        editor->setNotifier([](const QString &, const QString &) {});
    }
    ~Editor() { answerInside() = nullptr; }

    SettingsModel *model() const { return editor->model(); }

    template <class Page>
    Page *page(int position) const
    {
        return qobject_cast<Page *>(editor->page(position));
    }
    void showPage(int position) const
    {
        editor->setCurrentTab(editor->page(position)->tabIndex());
    }

    // Opens a settings file holding the sections given (XML text).
    bool open(const QByteArray &sections) const
    {
        return model()->openBytes("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE>" + sections + "</DEVICE>");
    }
    // What a save writes for a section: its element, from "<NAME" to "</NAME>" (or "/>").
    QByteArray saved(const QByteArray &section) const
    {
        const QByteArray bytes = model()->toBytes();
        const qsizetype from = bytes.indexOf("<" + section + " ");
        if (from < 0)
            return QByteArray();
        const QByteArray end = "</" + section + ">";
        const qsizetype to = bytes.indexOf(end, from);
        return to < 0 ? bytes.mid(from) : bytes.mid(from, to + end.size() - from);
    }
    QString text(const char *section, const QString &path) const
    {
        return model()->text(QLatin1String(section), path);
    }

    void attach() const
    {
        const QString model = QStringLiteral("K-4810");
        const QString id = QStringLiteral("356000000000001");
        device->receive(device->handle(), OrvMsg::TrackerAttached, reinterpret_cast<intptr_t>(&model),
                        reinterpret_cast<intptr_t>(&id));
    }
    void deliver(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0) const
    {
        device->receive(device->handle(), msgId, p1, p2);
    }

    std::unique_ptr<ORV_Device_K4810> device;
    orv_FormXml_K4810 *editor = nullptr;
};

} // namespace PageFixture

#endif // PAGEFIXTURE_H
