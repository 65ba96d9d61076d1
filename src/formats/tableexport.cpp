// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/tableexport.h"

#include <QFile>
#include <QSaveFile>

#include "formats/wintext.h"
#include "formats/tablefilename.h"
#include "table/tablefile.h"

namespace {

bool IsPlainDefault(const TTableFont& Font)
{
    return Font.Name == "Arial" && Font.Size == 9 && Font.Charset == 0;
}

} // namespace

std::vector<TImportedEntry> ExportedEntries(const TQuestionlist& List)
{
    std::vector<TImportedEntry> Entries;
    Entries.reserve(static_cast<std::size_t>(List.Count()));
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
    List.ListName = TableFileName(FileName);
    if (List.Count() == 0)
        return;
    QSaveFile File(FileName);
    const bool Written = File.open(QIODevice::WriteOnly) && File.write(Bytes) == Bytes.size() && File.commit();
    if (!Written)
        throw EListWriteError((QStringLiteral("Fout tijdens schrijven %1: ").arg(ShownName(FileName))
                               + QString::number(int(File.error())))
                                  .toStdString());
    List.Changed = false;
}
