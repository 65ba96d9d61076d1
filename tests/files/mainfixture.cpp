// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainfixture.h"

#include <QFile>
#include <QTest>

#include "files/windowsettings.h"

TMainFixture::TMainFixture() = default;

TMainFixture::~TMainFixture() { Stop(); }

void TMainFixture::Start(const QString& IniFile)
{
    Ini = IniFile.isEmpty() ? Folder.filePath(QStringLiteral("memorant.ini")) : IniFile;
    Main = std::make_unique<TfrmMain>();
    Main->WindowSettings->SetFileName(Ini);
    Main->show();
    QTRY_VERIFY(!Main->FirstActivation);
}

void TMainFixture::Stop() { Main.reset(); }

QString TMainFixture::WriteTable(const QString& Name, const QStringList& Lines) const
{
    const QString File = Folder.filePath(Name);
    Write(File, Lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    return File;
}

QByteArray TMainFixture::Read(const QString& File)
{
    QFile Input(File);
    return Input.open(QIODevice::ReadOnly) ? Input.readAll() : QByteArray();
}

void TMainFixture::Write(const QString& File, const QByteArray& Bytes)
{
    QFile Output(File);
    if (Output.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Output.write(Bytes);
}

QStringList Entries(const TQuestionlist& Table)
{
    QStringList Result;
    for (int i = 0; i < Table.Count(); ++i)
        Result << QString::fromLatin1(std::string(Table.StoredQuestion(i)) + '=' + std::string(Table.StoredAnswer(i)));
    return Result;
}
