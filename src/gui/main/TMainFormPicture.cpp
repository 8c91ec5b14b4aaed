// The main window's picture output: the dialogs and messages around PictureOutput.
#include <QApplication>
#include <QClipboard>
#include <QPrinter>

#include "gui/main/ChartBox.h"
#include "gui/main/TMainForm.h"
#include "gui/paint/ChartPainter.h"
#include "gui/widgets/PictureDialogs.h"

namespace vitalune::ui {

using paint::ChartPage;

Picture TMainForm::ActivePicture() {
    const ChartPage page = ActivePage();
    Picture picture;
    picture.chart = PaintBox(ChartPage::Primary)->size();
    picture.drawChart = [this, page](QPainter& p) { PaintPage(p, page); };
    picture.leftStamp = LeftStampText(page, m_person1.name, m_person1.birth, m_person2.name);
    picture.font = m_pictureFont;
    return picture;
}

void TMainForm::MakePicture(PictureMode mode) {
    const Picture picture = ActivePicture();
    if (mode == PictureMode::CopyToClipboard) {
        QClipboard* clipboard = QApplication::clipboard();
        if (!clipboard || !CopyPicture(picture, *clipboard)) {
            Message(QString::fromLatin1(kCopyImageError));
        }
        return;
    }
    const QString folder = QString::fromStdString(m_programFolder.string());
    QString filter = m_pictureFilter;
    const std::optional<QString> chosen =
        m_context.askPictureFile ? m_context.askPictureFile(folder, PictureFileFilters(), &filter)
                                 : AskPictureFile(this, folder, PictureFileFilters(), &filter);
    RepaintActivePage();
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    m_pictureFilter = filter;
    // A name with a suffix of its own decides; anything else is written as the chosen type.
    const PictureFormat format =
        FormatForPath(*chosen).value_or(FormatForFilter(filter).value_or(PictureFormat::Bmp));
    if (QString why; !WritePicture(picture, *chosen, format, &why)) {
        Message(SaveImageErrorText(*chosen, why));
    }
}

void TMainForm::Print2Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    bool accepted = false;
    if (m_context.askPrinter) {
        accepted = m_context.askPrinter(printer);
    } else {
        accepted = AskPrinter(this, printer);
    }
    if (!accepted) {
        return;
    }
    RepaintActivePage();
    if (!PrintPicture(ActivePicture(), printer)) {
        Message(QString::fromLatin1(kPrinterError));
    }
}

}  // namespace vitalune::ui
