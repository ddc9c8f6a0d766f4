#include "platform/DesktopLinkC.h"

#include "content/FilesHelperC.h"
#include "content/TextFileC.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{
// The escapes every string value of a desktop entry takes.
QString EscapeValue(const QString &S)
{
    QString R = EscapeLineBreaks(S);
    // A value must not start with a space.
    if (R.startsWith(u' '))
        R.replace(0, 1, QStringLiteral("\\s"));
    return R;
}
} // namespace

QString DesktopLinkPlace(const QString &LinkFile)
{
    const QFileInfo Link(LinkFile);
    if (Link.absoluteDir().exists())
        return LinkFile;
    return QDir(QDir::homePath()).filePath(Link.fileName());
}

QString DesktopExecArgument(const QString &Argument)
{
    static const QString Reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool Quote = Argument.isEmpty();
    for (const QChar C : Argument)
        if (Reserved.contains(C))
            Quote = true;
    QString A = Argument;
    // Field codes start with "%"; a literal one is doubled, quoted or not.
    A.replace(u'%', QStringLiteral("%%"));
    if (Quote) {
        QString Q;
        for (const QChar C : A) {
            if (C == u'"' || C == u'`' || C == u'$' || C == u'\\')
                Q += u'\\';
            Q += C;
        }
        A = u'"' + Q + u'"';
    }
    return EscapeValue(A);
}

bool CreateDesktopLink(const QString &LinkFile, const QString &Target, const QStringList &Arguments,
                       const QString &WorkingFolder, const QString &Description, const QString &IconFile)
{
    QStringList Exec{DesktopExecArgument(Target)};
    for (const QString &A : Arguments)
        Exec << DesktopExecArgument(A);
    const QString Folder = WorkingFolder.isEmpty() ? QFileInfo(Target).absolutePath() : WorkingFolder;
    QStringList Lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Tastwerk"),
    };
    if (!Description.isEmpty())
        Lines << QStringLiteral("Comment=") + EscapeValue(Description);
    Lines << QStringLiteral("Exec=") + Exec.join(u' ');
    if (!Folder.isEmpty())
        Lines << QStringLiteral("Path=") + EscapeValue(QDir::cleanPath(Folder));
    if (!IconFile.isEmpty())
        Lines << QStringLiteral("Icon=") + EscapeValue(IconFile);
    Lines << QStringLiteral("Terminal=false") << QStringLiteral("Categories=Education;Accessibility;");
    const QByteArray Data = (Lines.join(u'\n') + u'\n').toUtf8();
    if (!WriteFileWhole(LinkFile, Data, 1))
        return false;
    QFile::setPermissions(LinkFile, QFile::permissions(LinkFile) | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup |
                                        QFile::ExeOther);
    return QFileInfo(LinkFile).isExecutable();
}
