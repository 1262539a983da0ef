// Every input the fuzz targets found, kept as tests/fuzz-regressions/<target>/<name>, replayed
// through the target's check without libFuzzer. A failing input names itself.
#include <QDir>
#include <QFile>

#include <cctype>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FuzzChecks.h"
#include "support/RowName.h"

namespace {

struct RegressionInput {
    QString target;
    QString path;
    std::string name;  // the target and the file name, as a test name may spell them
};

std::vector<RegressionInput> RegressionInputs() {
    std::vector<RegressionInput> inputs;
    const QDir root(LUMENFOLD_FUZZ_REGRESSIONS);
    for (const QString& target : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        for (const QFileInfo& file :
             QDir(root.filePath(target)).entryInfoList(QDir::Files, QDir::Name)) {
            std::string name = (target + "_" + file.fileName()).toStdString();
            for (char& c : name)
                if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
            inputs.push_back({target, file.filePath(), name});
        }
    return inputs;
}

class FuzzRegressionTest : public ::testing::TestWithParam<RegressionInput> {};

TEST_P(FuzzRegressionTest, PassesItsCheck) {
    const FuzzCheck check = FuzzCheckNamed(GetParam().target);
    ASSERT_NE(check, nullptr) << "no fuzz target named " << GetParam().target.toStdString();
    QFile file(GetParam().path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << GetParam().path.toStdString();
    EXPECT_EQ(check(file.readAll()).toStdString(), "") << GetParam().path.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Stored, FuzzRegressionTest, ::testing::ValuesIn(RegressionInputs()),
                         RowName());

}  // namespace
