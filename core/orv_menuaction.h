#ifndef ORV_MENUACTION_H
#define ORV_MENUACTION_H

#include <QAction>

#include <cstdint>

// A menu entry that remembers the index of the settings page it opens.
class ORV_MenuAction : public QAction
{
    Q_OBJECT

public:
    ORV_MenuAction(const QString &text, int pageIndex, QObject *parent = nullptr)
        : QAction(text, parent)
        , m_pageIndex(pageIndex)
    {
    }

    int pageIndex() const { return m_pageIndex; }

private:
    int32_t m_pageIndex;
};

#endif // ORV_MENUACTION_H
