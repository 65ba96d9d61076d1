// SPDX-License-Identifier: GPL-3.0-or-later
// The first page of the example table's printout, as the PDF written without
// a printer shows it.
#include "screenshots.h"

#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>

#include "app/frmmain.h"
#include "print/frmprint.h"

namespace {

// Renders page 1 of Pdf at 100 dpi with pdftoppm; a null pixmap on failure.
QPixmap RenderFirstPage(const QTemporaryDir& Dir, const QString& Pdf)
{
    const QString Png = Dir.filePath("page");
    if (QProcess::execute("pdftoppm", {"-r", "100", "-png", "-singlefile", "-f", "1", "-l", "1", Pdf, Png}) != 0)
        return {};
    return QPixmap(Png + ".png");
}

const TScreenshot PrintedPage("afdruk.png", "De eerste bladzijde van een afgedrukte tabel",
                              [](TfrmMain& Window) -> QWidget* {
                                  QTemporaryDir Dir;
                                  const QString Pdf = Dir.filePath("afdruk.pdf");
                                  QFile File(Pdf);
                                  if (!File.open(QIODevice::WriteOnly))
                                      return nullptr;
                                  Window.frmPrint->QuestionList = &Window.QuestionList;
                                  Window.frmPrint->PrintToPdf(File);
                                  File.close();
                                  auto* Page = new QLabel(&Window, Qt::Window);
                                  Page->setPixmap(RenderFirstPage(Dir, Pdf));
                                  Page->resize(Page->pixmap().size());
                                  return Page;
                              });

} // namespace
