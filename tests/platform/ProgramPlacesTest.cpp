#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "platform/ProgramPlaces.h"
#include "support/RowName.h"
#include "support/TestAppDir.h"

namespace {

// A tree with the program in bin/ and the named folders around it.
struct LayoutCase {
    const char* name;
    QStringList folders;
    bool installed;
};

class ProgramPlacesLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ProgramPlacesLayout, IsChosenFromWhatLiesBesideTheProgram) {
    const TestAppDir root;
    const QString bin = root.path() + "/bin";
    QDir().mkpath(bin);
    for (const QString& folder : GetParam().folders) QDir().mkpath(root.path() + "/" + folder);
    ProgramPlaces places = ProgramPlaces::ForProgram(bin);
    ASSERT_EQ(places.Installed(), GetParam().installed);
    if (places.Installed()) {
        EXPECT_EQ(places.BundledData(), root.path() + "/share/lumenfold");
        EXPECT_EQ(places.Plugins(), root.path() + "/lib/lumenfold");
        EXPECT_EQ(places.UserData(),
                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        EXPECT_EQ(places.Cache(), QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    } else {
        for (const QString& place : {places.BundledData(), places.UserData(), places.Plugins()})
            EXPECT_EQ(place, bin);
        EXPECT_EQ(places.ExportDir(), bin + "/Temp");
        EXPECT_EQ(places.Cache(), bin + "/Cache");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgramPlacesLayout,
    ::testing::Values(LayoutCase{"DataBesideTheProgram",
                                 {"bin/Pics", "bin/Langs", "bin/Spreads", "share/lumenfold"},
                                 false},
                      LayoutCase{"SharedDataBesideBin", {"share/lumenfold"}, true},
                      LayoutCase{"PartOfTheDataBesideTheProgram",
                                 {"bin/Pics", "bin/Langs", "share/lumenfold"},
                                 true},
                      LayoutCase{"NoDataAnywhere", {"share/other"}, false}),
    RowName());

TEST(ProgramPlacesTest, InstalledExportFilesGoToAPrivateFolderRemovedWithThePlaces) {
    const TestAppDir root;
    QDir().mkpath(root.path() + "/bin");
    QDir().mkpath(root.path() + "/share/lumenfold");
    QString exports;
    {
        ProgramPlaces places = ProgramPlaces::ForProgram(root.path() + "/bin");
        exports = places.ExportDir();
        ASSERT_TRUE(QDir(exports).exists());
        EXPECT_FALSE(exports.startsWith(root.path()));
        EXPECT_EQ(places.ExportDir(), exports);
        QFile file(exports + "/1000.bmp");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(QDir(exports).exists());
}

}  // namespace
