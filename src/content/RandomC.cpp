#include "content/RandomC.h"

#include <QMutex>
#include <QRandomGenerator>

namespace {
QMutex RandomMutex;
QRandomGenerator MakeGenerator(quint64 Seed)
{
    const quint32 Words[2] = {quint32(Seed), quint32(Seed >> 32)};
    return QRandomGenerator(Words, 2);
}
QRandomGenerator &Generator()
{
    static QRandomGenerator Gen = MakeGenerator(QRandomGenerator::system()->generate64());
    return Gen;
}
} // namespace

void Randomize()
{
    QMutexLocker Lock(&RandomMutex);
    Generator() = MakeGenerator(QRandomGenerator::system()->generate64());
}

void RandSeed(quint64 Seed)
{
    QMutexLocker Lock(&RandomMutex);
    Generator() = MakeGenerator(Seed);
}

int Random(int N)
{
    if (N <= 1)
        return 0;
    QMutexLocker Lock(&RandomMutex);
    return int(Generator().bounded(quint32(N)));
}
