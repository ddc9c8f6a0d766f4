#include <QtTest>

class tst_DisplayDialogs : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(tst_DisplayDialogs)
#include "tst_DisplayDialogs.moc"
