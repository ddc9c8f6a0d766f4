// The settings file. What the INI reader keeps is written back unchanged;
// the settings read from any file, saved and read again, stay the same.

#include "FuzzCommon.h"

#include "app/IniFileC.h"
#include "app/SettingsC.h"

extern "C" int LLVMFuzzerInitialize(int *Argc, char ***Argv)
{
    Fuzz::InitProcess(Argc, Argv);
    InitPaths(Fuzz::TempDir() + QStringLiteral("programm"), QStringLiteral("fuzz"),
              Fuzz::TempDir() + QStringLiteral("user"));
    return 0;
}

namespace
{
QString Saved()
{
    TIniFile Out = TIniFile::FromText(QString());
    SaveMainForm(Out);
    SaveSettings(Out);
    return Out.Text();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    const QString File = Fuzz::WriteFile(Fuzz::TempDir() + QStringLiteral("Tastwerk.ini"), Fuzz::Bytes(Data, Size));

    const TIniFile Ini(File);
    const QString Text = Ini.Text();
    FUZZ_CHECK(TIniFile::FromText(Text).Text() == Text, Text);
    FUZZ_CHECK(Ini.UpdateFile(1), File);
    FUZZ_CHECK(TIniFile(File).Text() == Text, Text);

    SetDefaultSettings();
    LoadMainForm(Ini);
    LoadSettings(Ini);
    const QString First = Saved();
    SetDefaultSettings();
    const TIniFile Again = TIniFile::FromText(First);
    LoadMainForm(Again);
    LoadSettings(Again);
    const QString Second = Saved();
    FUZZ_CHECK(First == Second, First + QStringLiteral("\n----\n") + Second);

    (void)ReadShowSplashScreen(File);
    FUZZ_CHECK(LoadSettingsFile(File), File);
    FUZZ_CHECK(SaveSettingsFile(File), File);
    Fuzz::ClearLog();
    return 0;
}
