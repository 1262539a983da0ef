// Every input the fuzz targets found, kept as tests/fuzz-regressions/<target>/<name>, replayed
// through the target's check without libFuzzer. A failing input names itself.
#include <QDir>
#include <QFile>

#include <vector>

#include <gtest/gtest.h>

#include "FuzzChecks.h"

namespace {

struct RegressionInput {
    QString target;
    QString path;
};

std::vector<RegressionInput> RegressionInputs() {
    std::vector<RegressionInput> inputs;
    const QDir root(LUMENFOLD_FUZZ_REGRESSIONS);
    for (const QString& target : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        for (const QFileInfo& file :
             QDir(root.filePath(target)).entryInfoList(QDir::Files, QDir::Name))
            inputs.push_back({target, file.filePath()});
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

INSTANTIATE_TEST_SUITE_P(
    Stored, FuzzRegressionTest, ::testing::ValuesIn(RegressionInputs()),
    [](const ::testing::TestParamInfo<RegressionInput>& info) {
        std::string name =
            (info.param.target + "_" + QFileInfo(info.param.path).fileName()).toStdString();
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

}  // namespace
