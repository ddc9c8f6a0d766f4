// The text reader: every encoding by byte-order mark or content, and rich
// text. Whatever the bytes, it gives lines ending in CR LF, and a decoded
// text written back in its encoding reads back the same.

#include "FuzzCommon.h"

#include "content/RtfTextC.h"
#include "content/TextFileC.h"

extern "C" int LLVMFuzzerInitialize(int *Argc, char ***Argv)
{
    Fuzz::InitProcess(Argc, Argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    const QByteArray Input = Fuzz::Bytes(Data, Size);
    const QString File = Fuzz::WriteFile(Fuzz::TempDir() + QStringLiteral("text.txt"), Input);

    TTextEncoding Encoding = TTextEncoding::Ansi;
    const std::optional<QString> Text = LoadTextFile(File, &Encoding);
    FUZZ_CHECK(Text.has_value(), File);
    FUZZ_CHECK(Text->isEmpty() || Text->endsWith(QStringLiteral("\r\n")), *Text);
    FUZZ_CHECK(DetectTextFileType(File) == DetectTextFileTypeOfBytes(Input.left(4)), QString());

    // Plain text: what was decoded is written back and read again.
    TTextEncoding Plain = TTextEncoding::Ansi;
    const QString Decoded = DecodeText(Input, &Plain);
    TTextEncoding Again = TTextEncoding::Ansi;
    const QString Reread = DecodeText(EncodeText(Decoded, Plain), &Again);
    FUZZ_CHECK(Reread == Decoded, Decoded);
    FUZZ_CHECK(Again == (Plain == TTextEncoding::Ansi ? TTextEncoding::Utf8Bom : Plain), QString());

    // Rich text, also when the head does not say so.
    const QString Rtf = RtfToText(Input);
    FUZZ_CHECK(!Rtf.contains(u'\r'), Rtf);

    // The line helpers the loaders share.
    const QStringList Lines = SplitLines(Decoded);
    for (const QString &Line : Lines)
        FUZZ_CHECK(!Line.contains(u'\r') && !Line.contains(u'\n'), Line);
    FUZZ_CHECK(SplitLines(JoinLines(Lines)) == Lines, Decoded);
    (void)ConvertLineBreaks(Decoded);
    (void)LastPathComponent(Decoded);
    Fuzz::ClearLog();
    return 0;
}
