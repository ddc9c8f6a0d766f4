#pragma once

#include "content/TextFileC.h"

#include <QList>
#include <QString>
#include <QStringList>

// An INI file held whole in memory: parsed completely when opened, written
// completely when saved, so that sections and keys the program does not
// know survive. Section and key names compare without regard to case; new
// sections and keys are appended in the order they are written.
class TIniFile
{
public:
    // Reads the file; a missing or unreadable file gives empty content.
    explicit TIniFile(const QString &AFilename);
    // An INI text that comes from elsewhere (a download); it has no file.
    static TIniFile FromText(const QString &Text);

    bool SectionExists(const QString &Section) const;
    bool ValueExists(const QString &Section, const QString &Key) const;
    // The keys of a section in file order.
    QStringList Keys(const QString &Section) const;
    QString ReadString(const QString &Section, const QString &Key, const QString &Default) const;
    // A value that is no integer reads as Default.
    int ReadInteger(const QString &Section, const QString &Key, int Default) const;
    // Any non-zero integer is true.
    bool ReadBool(const QString &Section, const QString &Key, bool Default) const;
    void WriteString(const QString &Section, const QString &Key, const QString &Value);
    void WriteInteger(const QString &Section, const QString &Key, int Value);
    void WriteBool(const QString &Section, const QString &Key, bool Value);

    // Writes the whole file (whole or not at all, retried 10 ms apart).
    bool UpdateFile(int Attempts, QString *Error = nullptr) const;
    QString Filename() const { return FFilename; }
    QString Text() const;

private:
    struct TEntry {
        QString Key;   // empty for a line that is no key (comment, blank)
        QString Value; // the whole line for a line that is no key
    };
    struct TSection {
        QString Name; // empty for lines before the first section
        QList<TEntry> Entries;
    };
    TIniFile() = default;
    void Parse(const QString &Text);
    const TSection *Find(const QString &Section) const;
    const TEntry *Find(const QString &Section, const QString &Key) const;

    QString FFilename;
    TTextEncoding FEncoding = TTextEncoding::Utf8Bom;
    QList<TSection> FSections;
};
