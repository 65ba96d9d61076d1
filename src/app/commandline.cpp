// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

bool IsCommandLineSwitch(const QString& Argument)
{
    return Argument.startsWith(u'-') || (Argument.startsWith(u'/') && Argument.size() == 2);
}

QChar SwitchLetter(const QString& Argument) { return Argument.size() < 2 ? QChar() : Argument.at(1).toUpper(); }

QString CommandLineSyntax()
{
    return QStringLiteral("Commandosyntax:\nMEMORANT [-optie] [-optie] [bestandsnaam]\n"
                          "-E = bewerken uitgeschakeld\n-I = invullen uitgeschakeld\n"
                          "-M = meerkeuze uitgeschakeld\n-T = training uitgeschakeld\n"
                          "-P = afdrukken uitgeschakeld\n-? = commandosyntax tonen");
}
