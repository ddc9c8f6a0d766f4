#include "sound/SoundsHelperC.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

// The shipped sound effects: one readable, short, audible wave file for every
// sound number, each unlike the others.
class tst_SoundFiles : public QObject
{
    Q_OBJECT

    struct TWave {
        int Channels = 0;
        int Rate = 0;
        int Bits = 0;
        QByteArray Samples;
    };

    static bool Read(const QString &Name, TWave &W)
    {
        QFile F(Name);
        if (!F.open(QIODevice::ReadOnly))
            return false;
        const QByteArray B = F.readAll();
        if (B.size() < 12 || !B.startsWith("RIFF") || B.mid(8, 4) != "WAVE")
            return false;
        for (qsizetype P = 12; P + 8 <= B.size();) {
            const QByteArray Id = B.mid(P, 4);
            const quint32 Size = qFromLittleEndian<quint32>(B.constData() + P + 4);
            if (Id == "fmt " && Size >= 16) {
                if (qFromLittleEndian<quint16>(B.constData() + P + 8) != 1) // PCM
                    return false;
                W.Channels = qFromLittleEndian<quint16>(B.constData() + P + 10);
                W.Rate = int(qFromLittleEndian<quint32>(B.constData() + P + 12));
                W.Bits = qFromLittleEndian<quint16>(B.constData() + P + 22);
            } else if (Id == "data") {
                W.Samples = B.mid(P + 8, Size);
            }
            P += 8 + Size + (Size & 1);
        }
        return W.Channels > 0 && !W.Samples.isEmpty();
    }

private slots:
    void everySound_data()
    {
        QTest::addColumn<QString>("Name");
        for (int Nr = 0; Nr < SoundCount; ++Nr)
            QTest::newRow(qPrintable(SoundFileName(Nr))) << SoundFileName(Nr);
    }
    void everySound()
    {
        QFETCH(QString, Name);
        TWave W;
        QVERIFY(Read(QStringLiteral(TASTWERK_SHARE "/Sounds/") + Name, W));
        QCOMPARE(W.Channels, 1);
        QCOMPARE(W.Rate, 44100);
        QCOMPARE(W.Bits, 16);
        const qsizetype Count = W.Samples.size() / 2;
        const double Seconds = double(Count) / W.Rate;
        QVERIFY2(Seconds >= 0.015 && Seconds <= 0.6, qPrintable(QString::number(Seconds)));
        int Peak = 0;
        for (qsizetype I = 0; I < Count; ++I)
            Peak = qMax(Peak, qAbs(int(qFromLittleEndian<qint16>(W.Samples.constData() + 2 * I))));
        QVERIFY2(Peak > 3000, "audible");
        QVERIFY2(Peak < 32767, "not clipped");
    }

    void soundsDifferFromEachOther()
    {
        QSet<QByteArray> Seen;
        for (int Nr = 0; Nr < SoundCount; ++Nr) {
            QFile F(QStringLiteral(TASTWERK_SHARE "/Sounds/") + SoundFileName(Nr));
            QVERIFY(F.open(QIODevice::ReadOnly));
            Seen.insert(F.readAll());
        }
        QCOMPARE(Seen.size(), SoundCount);
    }
};

QTEST_GUILESS_MAIN(tst_SoundFiles)
#include "tst_SoundFiles.moc"
