#include <QtTest>

class tst_BraillePad : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(tst_BraillePad)
#include "tst_BraillePad.moc"
