#include "app/IniFileC.h"

#include "content/FilesHelperC.h"

TIniFile::TIniFile(const QString &AFilename)
    : FFilename(AFilename)
{
    if (const std::optional<QString> Text = LoadTextFile(AFilename, &FEncoding))
        Parse(*Text);
}

TIniFile TIniFile::FromText(const QString &Text)
{
    TIniFile Ini;
    Ini.Parse(Text);
    return Ini;
}

void TIniFile::Parse(const QString &Text)
{
    for (const QString &Raw : SplitLines(Text)) {
        const QString Line = Raw.trimmed();
        if (Line.startsWith(u'[') && Line.endsWith(u']')) {
            FSections.append(TSection{Line.mid(1, Line.size() - 2).trimmed(), {}});
            continue;
        }
        if (FSections.isEmpty())
            FSections.append(TSection());
        const qsizetype Eq = Line.indexOf(u'=');
        if (Eq > 0 && !Line.startsWith(u';'))
            FSections.last().Entries.append(TEntry{Line.left(Eq).trimmed(), Line.mid(Eq + 1).trimmed()});
        else
            FSections.last().Entries.append(TEntry{QString(), Raw});
    }
}

const TIniFile::TSection *TIniFile::Find(const QString &Section) const
{
    for (const TSection &S : FSections)
        if (SameText(S.Name, Section))
            return &S;
    return nullptr;
}

const TIniFile::TEntry *TIniFile::Find(const QString &Section, const QString &Key) const
{
    if (const TSection *S = Find(Section))
        for (const TEntry &E : S->Entries)
            if (!E.Key.isEmpty() && SameText(E.Key, Key))
                return &E;
    return nullptr;
}

QStringList TIniFile::Keys(const QString &Section) const
{
    QStringList Result;
    if (const TSection *S = Find(Section))
        for (const TEntry &E : S->Entries)
            if (!E.Key.isEmpty())
                Result.append(E.Key);
    return Result;
}

bool TIniFile::SectionExists(const QString &Section) const
{
    return Find(Section) != nullptr;
}

bool TIniFile::ValueExists(const QString &Section, const QString &Key) const
{
    return Find(Section, Key) != nullptr;
}

QString TIniFile::ReadString(const QString &Section, const QString &Key, const QString &Default) const
{
    const TEntry *E = Find(Section, Key);
    return E ? E->Value : Default;
}

int TIniFile::ReadInteger(const QString &Section, const QString &Key, int Default) const
{
    const TEntry *E = Find(Section, Key);
    if (!E)
        return Default;
    QString V = E->Value;
    bool Ok = false;
    // Windows colour values are written in hexadecimal with "$" or "0x".
    int N = 0;
    if (V.startsWith(u'$'))
        N = V.mid(1).toInt(&Ok, 16);
    else if (V.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        N = V.mid(2).toInt(&Ok, 16);
    else
        N = V.toInt(&Ok, 10);
    return Ok ? N : Default;
}

bool TIniFile::ReadBool(const QString &Section, const QString &Key, bool Default) const
{
    return ReadInteger(Section, Key, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString &Section, const QString &Key, const QString &Value)
{
    TSection *S = const_cast<TSection *>(Find(Section));
    if (!S) {
        FSections.append(TSection{Section, {}});
        S = &FSections.last();
    }
    for (TEntry &E : S->Entries)
        if (!E.Key.isEmpty() && SameText(E.Key, Key)) {
            E.Value = Value;
            return;
        }
    // After the section's last key, before blank lines that end it.
    qsizetype At = S->Entries.size();
    while (At > 0 && S->Entries[At - 1].Key.isEmpty() && S->Entries[At - 1].Value.trimmed().isEmpty())
        --At;
    S->Entries.insert(At, TEntry{Key, Value});
}

void TIniFile::WriteInteger(const QString &Section, const QString &Key, int Value)
{
    WriteString(Section, Key, QString::number(Value));
}

void TIniFile::WriteBool(const QString &Section, const QString &Key, bool Value)
{
    WriteString(Section, Key, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString TIniFile::Text() const
{
    QStringList Lines;
    for (const TSection &S : FSections) {
        if (!S.Name.isEmpty() || &S != &FSections.first())
            Lines.append(u'[' + S.Name + u']');
        for (const TEntry &E : S.Entries)
            Lines.append(E.Key.isEmpty() ? E.Value : E.Key + u'=' + E.Value);
    }
    return JoinLines(Lines);
}

bool TIniFile::UpdateFile(int Attempts, QString *Error) const
{
    return WriteFileWhole(FFilename, EncodeText(Text(), FEncoding), Attempts, Error);
}
