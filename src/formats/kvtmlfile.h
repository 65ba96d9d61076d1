// SPDX-License-Identifier: GPL-3.0-or-later
// Word lists in the XML format of the KDE education programs (KVTML 2.0,
// and the older format without a version).
//
// With two or more languages the first two are question and answer; with
// one, each word's comment (a definition or a hint) is the question and the
// word the answer.
//
// The reader keeps the file as it was read (TKvtmlSource), so that a save
// over it changes only the texts the table changed, adds the entries added
// and drops the entries deleted; titles, identifiers, other languages,
// lessons, word types, grades and comments stay as they were.
//
// Hostile files are refused with a reading error: elements nested deeper
// than MaxDepth, entities declared in the file's own DTD, encodings other
// than UTF-8, UTF-16, Latin-1 and the Windows code pages of the table. No
// text is built longer than MaxTextChars.
#pragma once

#include <QByteArray>
#include <QString>
#include <deque>
#include <memory>
#include <vector>

#include "formats/importedtable.h"

// Where a piece of the file's text lies: [Start, End) in TKvtmlSource::Text.
struct TKvtmlSpan {
    qsizetype Start = -1;
    qsizetype End = -1;
    [[nodiscard]] bool IsValid() const { return Start >= 0; }
};

// How a file's characters are stored; Windows is a single-byte code page
// of the table's (TKvtmlSource::CodePage).
enum class TKvtmlEncoding { Utf8, Utf16LE, Utf16BE, Latin1, Windows };

// A language of the word list: its id, the name and locale it gives.
struct TKvtmlLanguage {
    QString Id;
    QString Name;
    QString Locale;
};

struct TKvtmlSource {
    QString FileName;
    QString Text; // the file's characters; in Encoding after Bom they are its bytes
    TKvtmlEncoding Encoding = TKvtmlEncoding::Utf8;
    int CodePage = 0; // of Encoding Windows: 1250, 1251, ...
    QByteArray Bom;   // the byte order mark it began with, if any
    // The file's bytes when its characters do not give them back (UTF-16
    // with a lone surrogate or an odd last byte), for a save without changes.
    QByteArray Original;
    bool Old = false; // the format without a version: <e><o>..</o><t>..</t></e>
    bool OneLanguage = false;
    std::vector<TKvtmlLanguage> Languages;

    struct TEntry {
        QString Id;
        TKvtmlSpan Element;
        TKvtmlSpan Question; // the content of the element that holds the question
        TKvtmlSpan Answer;
        int Imported = -1;   // index in the imported table's entries, -1 when left out
        bool InTable = false; // the table took it, showing Shown
        TImportedEntry Shown;
    };
    std::deque<TEntry> Entries; // grows a block at a time, as a large file is read
    // <entry id="..."/> outside the entries: lessons, word types, grades.
    std::vector<std::pair<QString, TKvtmlSpan>> References;
};

struct TKvtmlSave {
    QByteArray Bytes;
    std::shared_ptr<TKvtmlSource> Source; // the saved file, as if read again
};

class TKvtmlFile {
public:
    static constexpr int MaxDepth = 64;
    // The languages a file's identifiers name that are read; those after
    // them are read past (and not counted in the notices).
    static constexpr std::size_t MaxLanguages = 1000;
    // Texts are read up to this many characters; the rest is never kept.
    static constexpr qsizetype MaxTextChars = 1024;

    // Raises EListReadError "Fout tijdens lezen ..." with the line for
    // malformed XML, a file that is no KVTML and a file without entries.
    [[nodiscard]] static TImportedTable Read(const QString& FileName);
    [[nodiscard]] static TImportedTable Parse(QByteArray Bytes, const QString& FileName);

    // The entries as a KVTML 2.0 file in UTF-8 with two languages, Title as
    // its title; the languages' names and locales are taken from Languages
    // when given (question first), else "Vraag" and "Antwoord".
    [[nodiscard]] static QByteArray Written(const TImportedEntries& Entries, const QString& Title,
                                            const std::vector<TKvtmlLanguage>& Languages = {});

    // The file of Source with the table's entries Current: entries whose
    // texts are unchanged stay byte for byte; a changed text is replaced in
    // place; new entries are added after their predecessor, deleted ones
    // removed with their references. Unchanged, the file's bytes come back.
    [[nodiscard]] static TKvtmlSave Rewritten(const TKvtmlSource& Source, const TImportedEntries& Current,
                                              const QString& FileName);

    // The two languages a new file written for a table read from Source
    // names: question, then answer.
    [[nodiscard]] static std::vector<TKvtmlLanguage> TableLanguages(const TKvtmlSource& Source);
};
