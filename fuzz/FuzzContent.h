#pragma once

// A program folder for the harnesses that read a learning material's files:
// a copy of the test data's tree in the temporary folder, with its braille
// table, type lists, data files and lessons loaded once per process.

#include "FuzzCommon.h"

#include "braille/BrlUniCharC.h"
#include "content/DatenC.h"
#include "content/LektionenC.h"
#include "content/PathsC.h"
#include "content/TypenHelperC.h"

namespace Fuzz
{

struct TContent {
    TBrlUniChar Table;
    std::unique_ptr<TAufgabenTypen> Aufgaben;
    std::unique_ptr<TDatendateiTypen> Datendateien;
    TDaten Daten;
    std::unique_ptr<TLektionen> Lektionen;
};

// Call from LLVMFuzzerInitialize, after InitProcess.
inline TContent &Content()
{
    static TContent *C = [] {
        const QString Program = TempDir() + QStringLiteral("programm");
        CopyTree(TestData() + QStringLiteral("programm"), Program);
        InitPaths(Program, QStringLiteral("fuzz"), TempDir() + QStringLiteral("user"));
        SetLernmaterialPath(QStringLiteral("Lernmaterial-1"));
        auto *Content = new TContent;
        if (!Content->Table.LoadFile())
            Fail("test data: braille table", Content->Table.LastErrorString);
        Content->Aufgaben = std::make_unique<TAufgabenTypen>();
        Content->Datendateien = std::make_unique<TDatendateiTypen>();
        Content->Aufgaben->LoadFile();
        Content->Datendateien->LoadFile();
        BrlUniChar = &Content->Table;
        AufgabenTypen = Content->Aufgaben.get();
        DatendateiTypen = Content->Datendateien.get();
        if (!Content->Daten.LoadFiles())
            Fail("test data: data files", Content->Daten.LastErrorString);
        Content->Lektionen = std::make_unique<TLektionen>(nullptr, &Content->Daten);
        Content->Lektionen->SetListsInline(true);
        if (!Content->Lektionen->LoadFiles())
            Fail("test data: lessons", Content->Lektionen->LastErrorString);
        Content->Lektionen->WaitForLists();
        ClearLog();
        return Content;
    }();
    return *C;
}

// Whether Path lies inside Folder once "." and ".." are resolved.
inline bool IsInside(const QString &Path, const QString &Folder)
{
    const QString Clean = QDir::cleanPath(Path) + u'/';
    const QString Root = QDir::cleanPath(Folder) + u'/';
    return Clean.startsWith(Root);
}

} // namespace Fuzz
