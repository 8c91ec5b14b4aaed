// Printing, saving and copying from the main window, with the dialogs answered by the test.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/engine/Clock.h"
#include "core/engine/Date.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsStore.h"
#include "gui/main/ChartBox.h"
#include "gui/main/TMainForm.h"

using namespace vitalune;
using namespace vitalune::ui;
using paint::ChartPage;

class MainFormPictureTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void saveWritesTheChosenTypeOrReports();
    void cancelledDialogsDoNothing();
    void copyAndPrint();

  private:
    std::unique_ptr<TMainForm> Make();

    std::unique_ptr<QTemporaryDir> m_dir;
    MemorySettingsStore m_store;
    FixedClock m_clock = FixedClock(EncodeDate(2026, 12, 7));
    QStringList m_messages;
    std::optional<QString> m_answer;  // the save dialog's answer
    QString m_filterShown;
    QString m_filterChosen;
    std::function<bool(QPrinter&)> m_printAnswer;
};

void MainFormPictureTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_messages.clear();
    m_answer.reset();
    m_filterShown.clear();
    m_filterChosen.clear();
    WriteInt(m_store, "", "Person_Group", 1);  // Celebrities
    WriteInt(m_store, "", "Person_Index", 0);
}

std::unique_ptr<TMainForm> MainFormPictureTest::Make() {
    MainFormContext context;
    context.store = &m_store;
    context.clock = &m_clock;
    context.programFolder = (m_dir->path() + "/data").toStdString();
    context.executableFolder = QCoreApplication::applicationDirPath().toStdString();
    context.showMessage = [this](const QString& text) { m_messages << text; };
    context.askPictureFile = [this](const QString&, const QString&, QString* filter) {
        m_filterShown = *filter;
        if (!m_filterChosen.isEmpty()) {
            *filter = m_filterChosen;
        }
        return m_answer;
    };
    context.askPrinter = [this](QPrinter& printer) { return m_printAnswer(printer); };
    return std::make_unique<TMainForm>(context);
}

void MainFormPictureTest::saveWritesTheChosenTypeOrReports() {
    auto form = Make();
    const QSize chart = form->PaintBox(ChartPage::Primary)->size();
    const QSize picture = LayoutPicture(form->ActivePicture()).size;
    QCOMPARE(picture.width(), chart.width() + 10);
    QVERIFY(form->ActivePicture().leftStamp.startsWith(
        QStringLiteral("Created for ") + QString::fromStdString(form->PersonOne().name) + ", "));

    m_answer = m_dir->filePath(QStringLiteral("chart.bmp"));
    form->MakePicture(PictureMode::SaveToFile);
    QCOMPARE(m_messages, QStringList{});
    QCOMPARE(QImage(*m_answer).size(), picture);
    QVERIFY(QFile(*m_answer).open(QIODevice::ReadOnly));

    // A name without a known suffix is written as the type chosen, which is offered again.
    m_answer = m_dir->filePath(QStringLiteral("chart.picture"));
    m_filterChosen = QStringLiteral("PNG pictures (*.png)");
    form->MakePicture(PictureMode::SaveToFile);
    QFile png(*m_answer);
    QVERIFY(png.open(QIODevice::ReadOnly));
    QVERIFY(png.read(4).endsWith("PNG"));
    m_filterChosen.clear();
    form->MakePicture(PictureMode::SaveToFile);
    QCOMPARE(m_filterShown, QStringLiteral("PNG pictures (*.png)"));

    form->SetActivePage(ChartPage::Compatibility);
    m_answer = m_dir->filePath(QStringLiteral("compat.svg"));
    form->MakePicture(PictureMode::SaveToFile);
    QFile svg(*m_answer);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains(" and "));
    QCOMPARE(m_messages, QStringList{});

    m_answer = m_dir->filePath(QStringLiteral("missing/chart.bmp"));
    form->MakePicture(PictureMode::SaveToFile);
    QCOMPARE(m_messages, QStringList{QStringLiteral("Cann't save image to file ") + *m_answer});
}

void MainFormPictureTest::cancelledDialogsDoNothing() {
    auto form = Make();
    form->MakePicture(PictureMode::SaveToFile);  // no answer: cancelled
    m_printAnswer = [](QPrinter&) { return false; };
    form->Print2Click();
    QCOMPARE(m_messages, QStringList{});
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{});
}

void MainFormPictureTest::copyAndPrint() {
    auto form = Make();
    QApplication::clipboard()->clear();
    form->MakePicture(PictureMode::CopyToClipboard);
    QCOMPARE(m_messages, QStringList{});
    QCOMPARE(QApplication::clipboard()->image().size(), LayoutPicture(form->ActivePicture()).size);

    const QString pdf = m_dir->filePath(QStringLiteral("printed.pdf"));
    m_printAnswer = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    form->Print2Click();
    QCOMPARE(m_messages, QStringList{});
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.read(4) == "%PDF");

    // A printer that cannot be used is reported.
    m_printAnswer = [](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QStringLiteral("no-such-printer"));
        return true;
    };
    form->Print2Click();
    QCOMPARE(m_messages, QStringList{QStringLiteral("Please check if your printer is installed")});
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MainFormPictureTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TMainFormPicture_test.moc"
