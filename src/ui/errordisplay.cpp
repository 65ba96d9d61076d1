// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/errordisplay.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringDecoder>
#include <exception>
#include <new>

#include "formats/wintext.h"

QString ErrorDisplayText(const QString& Message)
{
    if (!Message.isEmpty() && Message.back() > u'.')
        return Message + u'.';
    return Message;
}

QString ExceptionText(const char* What)
{
    QStringDecoder Utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString Text = Utf8.decode(QByteArrayView(What));
    return Utf8.hasError() ? WinToQt(What) : Text;
}

void ShowGeneralError(const QString& Message)
{
    QMessageBox Box(QMessageBox::Critical, QString::fromLatin1(ProgramTitle), ErrorDisplayText(Message),
                    QMessageBox::Ok, QApplication::activeWindow());
    Box.setObjectName(QStringLiteral("GeneralError"));
    Box.exec();
}

void ShowCurrentException() noexcept
{
    try {
        try {
            throw;
        } catch (const std::bad_alloc&) {
            ShowGeneralError(QStringLiteral("Onvoldoende geheugen"));
        } catch (const std::exception& Error) {
            ShowGeneralError(ExceptionText(Error.what()));
        } catch (...) {
            ShowGeneralError(QStringLiteral("Onbekende fout"));
        }
    } catch (...) {
        // Not even the message could be shown; the command has ended anyway.
    }
}
