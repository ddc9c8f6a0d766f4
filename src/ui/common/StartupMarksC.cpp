#include "common/StartupMarksC.h"

#include <QSet>

Q_LOGGING_CATEGORY(lcStartup, "tastwerk.startup", QtWarningMsg)

void StartupMark(const char *Name)
{
    static QSet<QByteArray> Done;
    if (!lcStartup().isInfoEnabled() || Done.contains(Name))
        return;
    Done.insert(Name);
    qCInfo(lcStartup, "%s", Name);
}
