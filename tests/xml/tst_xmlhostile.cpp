#include <QtTest>
class TstXmlHostile : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TstXmlHostile)
#include "tst_xmlhostile.moc"
