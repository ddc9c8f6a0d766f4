#include <QtTest>

class tst_StimmeDlg : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(tst_StimmeDlg)
#include "tst_StimmeDlg.moc"
