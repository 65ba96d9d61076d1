// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/tableexport.h"

#include <QFile>

#include "formats/tablefilename.h"
#include "formats/wintext.h"
#include "table/ioerrortext.h"
#include "table/safefilewriter.h"
#include "table/tablefile.h"

namespace {

bool IsPlainDefault(const TTableFont& Font)
{
    return Font.Name == "Arial" && Font.Size == 9 && Font.Charset == 0;
}

} // namespace

TImportedEntries ExportedEntries(const TQuestionlist& List)
{
    TImportedEntries Entries;
    for (int i = 0; i < List.Count(); ++i) {
        const std::string_view Question = List.StoredQuestion(i);
        const std::string_view Answer = List.StoredAnswer(i);
        if (!Question.empty() && !Answer.empty())
            Entries.push_back({ColumnToQt(Question, List.QuestionFont.Charset), ColumnToQt(Answer, List.AnswerFont.Charset)});
    }
    return Entries;
}

std::string FontLineOf(const TQuestionlist& List)
{
    if (IsPlainDefault(List.QuestionFont) && IsPlainDefault(List.AnswerFont))
        return {};
    return FontSpec(List.QuestionFont) + std::string(EntrySeparator) + FontSpec(List.AnswerFont);
}

void SaveTableBytes(TQuestionlist& List, const QString& FileName, const QByteArray& Bytes)
{
    const std::string Name = TableFileName(FileName);
    List.ListName = Name;
    if (List.Count() == 0)
        return;
    TSafeFileWriter File(Name);
    File.Write(std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size())));
    if (const int Error = File.Commit(); Error != 0)
        throw EListWriteError(QStringLiteral("Fout tijdens schrijven %1: ").arg(ShownName(FileName)).toStdString()
                              + IoErrorText(Error));
    List.Changed = false;
}
