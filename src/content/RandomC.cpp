#include "content/RandomC.h"

#include <mutex>
#include <QRandomGenerator>

namespace {
std::mutex RandomMutex;
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
    std::lock_guard Lock(RandomMutex);
    Generator() = MakeGenerator(QRandomGenerator::system()->generate64());
}

void RandSeed(quint64 Seed)
{
    std::lock_guard Lock(RandomMutex);
    Generator() = MakeGenerator(Seed);
}

int Random(int N)
{
    if (N <= 1)
        return 0;
    std::lock_guard Lock(RandomMutex);
    return int(Generator().bounded(quint32(N)));
}
