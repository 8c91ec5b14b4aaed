#include "gui/paint/art/ReportPictures.h"

#include <gtest/gtest.h>

#include <set>

#include "core/reports/ReportPictures.h"

namespace vitalune::art {
namespace {

// The build writes each picture the report writers copy into the data folder, once.
TEST(ReportPictures, AreTheFilesTheReportWritersCopy) {
    std::set<std::string> generated;
    for (const ReportPicture& p : ReportPictures()) {
        EXPECT_TRUE(generated.insert(p.fileName).second) << p.fileName << " twice";
    }
    EXPECT_EQ(generated,
              std::set<std::string>(kReportPictureFiles.begin(), kReportPictureFiles.end()));
}

}  // namespace
}  // namespace vitalune::art
