// The floor for the end-to-end test's latencies: a bare Qt window with one
// read-only text pane, named like the exercise pane and holding the same
// text, read by the same Orca; Space plays a sound file through a new
// QAudioSink from memory, as the program's own output does, with nothing
// else in between.
//
//   e2e_bare_pane TEXTFILE WAVFILE
#include <QApplication>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QMediaDevices>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QtEndian>

#include <cstdio>
#include <memory>

namespace
{

struct TPcm {
    QByteArray Data;
    int Rate = 0;
    int Channels = 0;
};

// The PCM of a 16-bit RIFF wave file; empty on anything else.
TPcm ReadWave(const QString &Path)
{
    QFile F(Path);
    if (!F.open(QIODevice::ReadOnly))
        return {};
    const QByteArray B = F.readAll();
    if (B.size() < 12 || !B.startsWith("RIFF") || B.mid(8, 4) != "WAVE")
        return {};
    TPcm Pcm;
    int Bits = 0;
    for (qsizetype I = 12; I + 8 <= B.size();) {
        const QByteArray Id = B.mid(I, 4);
        const qsizetype Len = qFromLittleEndian<quint32>(B.constData() + I + 4);
        if (Id == "fmt " && Len >= 16) {
            Pcm.Channels = qFromLittleEndian<quint16>(B.constData() + I + 10);
            Pcm.Rate = int(qFromLittleEndian<quint32>(B.constData() + I + 12));
            Bits = qFromLittleEndian<quint16>(B.constData() + I + 22);
        } else if (Id == "data") {
            Pcm.Data = B.mid(I + 8, Len);
        }
        I += 8 + Len + (Len & 1);
    }
    return Bits == 16 ? Pcm : TPcm{};
}

class TPane : public QPlainTextEdit
{
public:
    explicit TPane(const TPcm &Pcm, QWidget *Parent)
        : QPlainTextEdit(Parent)
        , FPcm(Pcm)
    {
    }

protected:
    void keyPressEvent(QKeyEvent *E) override
    {
        if (E->key() == Qt::Key_Space && !E->isAutoRepeat()) {
            Play();
            return;
        }
        QPlainTextEdit::keyPressEvent(E);
    }

private:
    void Play()
    {
        if (FSink)
            FSink->stop();
        QAudioFormat Format;
        Format.setSampleRate(FPcm.Rate);
        Format.setChannelCount(FPcm.Channels);
        Format.setSampleFormat(QAudioFormat::Int16);
        FData = FPcm.Data;
        FBuffer = std::make_unique<QBuffer>(&FData);
        FBuffer->open(QIODevice::ReadOnly);
        FSink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), Format);
        FSink->start(FBuffer.get());
    }

    const TPcm &FPcm;
    QByteArray FData;
    std::unique_ptr<QBuffer> FBuffer;
    std::unique_ptr<QAudioSink> FSink;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication App(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: e2e_bare_pane TEXTFILE WAVFILE\n");
        return 2;
    }
    QFile TextFile(QString::fromLocal8Bit(argv[1]));
    const TPcm Pcm = ReadWave(QString::fromLocal8Bit(argv[2]));
    if (!TextFile.open(QIODevice::ReadOnly) || Pcm.Data.isEmpty()) {
        std::fprintf(stderr, "cannot read %s or %s\n", argv[1], argv[2]);
        return 2;
    }
    QDialog Window;
    Window.setWindowTitle(QStringLiteral("Bare pane"));
    auto *Pane = new TPane(Pcm, &Window);
    Pane->setReadOnly(true);
    Pane->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Pane->setAccessibleName(QStringLiteral("Übung"));
    Pane->setPlainText(QString::fromUtf8(TextFile.readAll()));
    auto *Layout = new QVBoxLayout(&Window);
    Layout->addWidget(Pane);
    Window.resize(900, 300);
    Window.show();
    Window.activateWindow();
    Pane->setFocus();
    return App.exec();
}
