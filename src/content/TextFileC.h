#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The one reader for every text file of the program, and the small string
// helpers that all content files share.

// How a text file's bytes were (or are to be) encoded.
enum class TTextEncoding {
    Ansi, // no byte-order mark, not valid UTF-8: Windows-1252
    Utf8, // no byte-order mark, valid UTF-8
    Utf8Bom,
    Utf16LE,
    Utf16BE,
    Utf32LE,
    Utf32BE,
};

// 0: the file cannot be opened; 1: ANSI (no byte-order mark, also files
// shorter than four bytes); 2: UTF-16 or UTF-32 byte-order mark;
// 3: rich text ("{\r"); 4: UTF-8 byte-order mark.
int DetectTextFileType(const QString &FileName);
int DetectTextFileTypeOfBytes(const QByteArray &Head);

// Decodes the bytes of a plain text file by its byte-order mark; without one
// as UTF-8 when the bytes are valid UTF-8, else as Windows-1252.
QString DecodeText(const QByteArray &Bytes, TTextEncoding *Encoding = nullptr);
// Encodes text for writing. ANSI is written as UTF-8 with a byte-order mark
// so that no character can be lost; the other encodings keep their form.
QByteArray EncodeText(const QString &Text, TTextEncoding Encoding);
QString DecodeWindows1252(const QByteArray &Bytes);

// Reads a whole text file and returns its lines joined with CR LF, every line
// (the last included) followed by CR LF. A rich-text file yields its plain
// text. Nothing when the file cannot be read.
std::optional<QString> LoadTextFile(const QString &FileName, TTextEncoding *Encoding = nullptr);

// How often C occurs in S.
qsizetype CountChar(QStringView S, QChar C);
// The first position of C in S at or after From; -1 when there is none.
qsizetype FindChar(QStringView S, QChar C, qsizetype From = 0);

// The largest content file read: a lesson or data file of a whole course
// takes some kilobytes.
constexpr qint64 MaxContentFileSize = 4 * 1024 * 1024;

// Reads a content file for a loader. When that fails, Error holds the
// loader's message: 'Die <Kind> "<file>" existiert nicht!', '... konnte
// nicht geladen werden!', '... ist keine gewöhnliche Datei ...' or '... ist
// zu groß ...' (Kind: "Datendatei", "Lektionendatei", ...).
std::optional<QString> ReadContentFile(const QString &FileName, QStringView Kind, QString &Error);

// Splits text into lines at CR, LF or CR LF. A line break at the very end
// does not start another line.
QStringList SplitLines(const QString &Text);
// Joins lines, each followed by CR LF.
QString JoinLines(const QStringList &Lines);
// A value for one field of a line: backslash, tab, CR and LF written as
// \\, \t, \r and \n (as desktop entries and the progress file keep them).
QString EscapeLineBreaks(const QString &S);

// Removes leading and trailing characters with codes up to 32.
QString TrimCtl(const QString &S);
QStringView TrimCtl(QStringView S);
// The same at one end only.
QString TrimCtlStart(const QString &S);
QString TrimCtlEnd(const QString &S);

// Names and keys compare without regard to case.
bool SameText(const QString &A, const QString &B);
int CompareText(const QString &A, const QString &B);
bool StartsWithText(const QString &S, const QString &Prefix);

// In descriptions and texts the two characters space and backslash stand for
// a line break.
QString ConvertLineBreaks(const QString &S);

// The last component of a path written with "/" or "\" (a trailing separator
// is dropped first).
QString LastPathComponent(const QString &Path);
