// vitalune-gifgen: writes the report pictures of the Pict folder from the program's own
// artwork, so the reports show the same pictures as the windows. Run by the build:
//   vitalune-gifgen OUTPUT_FOLDER
// For whoever draws the pictures, a contact sheet of every list:
//   vitalune-gifgen --contact-sheet FILE.png [--scale N]
// The program icon in the PNG sizes of a desktop icon theme, also run by the build:
//   vitalune-gifgen --icon-theme FOLDER SIZE...

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/files/AtomicFile.h"
#include "gui/paint/art/Artwork.h"
#include "gui/paint/art/ReportPictureArt.h"
#include "gui/paint/art/gifgen/ContactSheet.h"
#include "gui/paint/art/gifgen/GifEncoder.h"

namespace {

// The table background of the reports, under the pictures' soft edges.
const QColor kReportMatte(0xF0, 0xF1, 0xFF);

int WriteReportPictures(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "vitalune-gifgen: cannot create %s: %s\n", folder.c_str(),
                     error.message().c_str());
        return 1;
    }
    for (const auto& picture : vitalune::art::ReportPictureArt()) {
        const QImage& image = vitalune::art::Picture(picture.list, picture.index);
        const auto written =
            vitalune::art::WriteGifFile(image, kReportMatte, folder / picture.fileName);
        if (!written) {
            std::fprintf(stderr, "vitalune-gifgen: %s\n", written.error.c_str());
            return 1;
        }
    }
    return 0;
}

int WriteContactSheet(int argc, char** argv, const char* file) {
    int scale = 4;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0) {
            scale = std::atoi(argv[i + 1]);
        }
    }
    if (scale < 1 || scale > 16) {
        std::fprintf(stderr, "vitalune-gifgen: --scale takes 1 to 16\n");
        return 2;
    }
    // Labels need fonts, and fonts need an application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QByteArray type = QFileInfo(QString::fromLocal8Bit(file)).suffix().toLower().toLatin1();
    if (!vitalune::art::RenderContactSheet(scale).save(&buffer, type.constData())) {
        std::fprintf(stderr, "vitalune-gifgen: cannot write %s as %s\n", file, type.constData());
        return 1;
    }
    const auto written = vitalune::WriteFileAtomically(
        file, {bytes.constData(), static_cast<std::size_t>(bytes.size())});
    if (!written) {
        std::fprintf(stderr, "vitalune-gifgen: %s\n", written.error.c_str());
        return 1;
    }
    return 0;
}

// FOLDER/NxN/apps/vitalune.png for each size, drawn as the window icon draws that size, so
// that a menu or task bar shows the same picture as the window.
int WriteIconTheme(const std::filesystem::path& folder, int count, char** sizes) {
    for (int i = 0; i < count; ++i) {
        const int size = std::atoi(sizes[i]);
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "vitalune-gifgen: icon size 1 to 1024 expected: %s\n", sizes[i]);
            return 2;
        }
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path apps = folder / name / "apps";
        std::error_code error;
        std::filesystem::create_directories(apps, error);
        const std::filesystem::path file = apps / "vitalune.png";
        if (error || !vitalune::art::AppIconPicture(size).save(
                         QString::fromStdString(file.string()), "PNG")) {
            std::fprintf(stderr, "vitalune-gifgen: cannot write %s\n", file.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--contact-sheet") == 0) {
        return WriteContactSheet(argc, argv, argv[2]);
    }
    if (argc >= 4 && std::strcmp(argv[1], "--icon-theme") == 0) {
        return WriteIconTheme(argv[2], argc - 3, argv + 3);
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr,
                     "usage: vitalune-gifgen OUTPUT_FOLDER\n"
                     "       vitalune-gifgen --contact-sheet FILE.png [--scale N]\n"
                     "       vitalune-gifgen --icon-theme FOLDER SIZE...\n");
        return 2;
    }
    return WriteReportPictures(argv[1]);
}
