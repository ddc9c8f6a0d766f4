#pragma once

#include <QChar>
#include <QHash>
#include <QString>

class TBrlUniChar;

// The spoken names of braille, read from Sprechnamen.txt beside the braille
// table: what the voice says for a cell whose table character is a sign, a
// letter group or a contraction ("Großbuchstabe", "au", "er"). A teacher
// reads and changes them there; a character without a name is said as it is.
class TSprechnamen
{
public:
    void Clear() { FNames.clear(); }
    // Lines "CHAR=NAME"; ";" begins a comment. A faulty line is reported and
    // skipped, the others still count. False when the file cannot be read.
    bool LoadFile(const QString &Path);
    bool IsEmpty() const { return FNames.isEmpty(); }
    // The name of a table character, or the character itself.
    QString Name(QChar TableChar) const;
    // Whether the name stands for letters (au, sch, er), so that a word can
    // be read with them in print.
    bool IsLetterGroup(QChar TableChar) const;

    // The form of a text for the voice. Braille in it, as runs of Unicode
    // cells or in the bracket markup of spoken forms ("[$b&m]", literal
    // brackets doubled), is said by name cell by cell, words apart
    // ("Großbuchstabe, b, au, m"); a run of more than MaxSpelledWords words
    // (a sentence of a reading text) is read as words in print instead.
    QString SpeakableText(const QString &Text, const TBrlUniChar &Table) const;
    static constexpr int MaxSpelledWords = 3;

    QString LastErrorString;

private:
    QString SpokenRun(const QString &Chars) const;
    QString SpelledWord(const QString &Word) const;
    QString PrintWord(const QString &Word) const;

    QHash<QChar, QString> FNames;
};

// The form of Text for the voice through the process-wide braille table and
// its names; Text unchanged while no table is installed.
QString SpeakableText(const QString &Text);
